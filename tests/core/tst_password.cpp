#include "core/PasswordHash.h"

#include <QtTest>

class TestCorePassword : public QObject
{
    Q_OBJECT
private slots:
    void hashVerifiesOnlyTheSamePassword()
    {
        const QString stored = PasswordHash::hash(QStringLiteral("Árvíztűrő"));
        QVERIFY(stored.startsWith(QLatin1String("$argon2id$")));
        QVERIFY(!stored.contains(QLatin1String("Árvíztűrő")));
        QVERIFY(PasswordHash::verify(stored, QStringLiteral("Árvíztűrő")));
        QVERIFY(!PasswordHash::verify(stored, QStringLiteral("árvíztűrő")));
        QVERIFY(!PasswordHash::verify(stored, QString()));
        // Two hashes of one password differ (salted), both verify.
        QVERIFY(PasswordHash::hash(QStringLiteral("Árvíztűrő")) != stored);
    }
    void garbageHashNeverVerifies()
    {
        QVERIFY(!PasswordHash::verify(QString(), QString()));
        QVERIFY(!PasswordHash::verify(QStringLiteral("titok"), QStringLiteral("titok")));
        QVERIFY(!PasswordHash::verify(QStringLiteral("$argon2id$v=19$broken"), QStringLiteral("x")));
    }
};

QTEST_GUILESS_MAIN(TestCorePassword)
#include "tst_password.moc"
