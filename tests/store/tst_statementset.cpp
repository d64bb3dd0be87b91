#include "store/Database.h"
#include "store/PreparedStatement.h"
#include "store/StatementSet.h"
#include "store/TransactionGuard.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// The statements of a connection: kept across operations, dropped with the connection, and one
// read open at a time for the whole connection.
class TestStoreStatementSet : public QObject
{
    Q_OBJECT
private:
    static bool exec(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        if (query.exec(sql))
            return true;
        qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return false;
    }

    static QStringList names(PreparedStatement &read)
    {
        QStringList found;
        if (!read.exec())
            return {QStringLiteral("error: ") + read.error()};
        while (read.next())
            found << read.text(0);
        return found;
    }

    // A second connection into the same warehouse (another computer).
    static QSqlDatabase other(const QSqlDatabase &db, const QString &name)
    {
        QSqlDatabase copy = QSqlDatabase::cloneDatabase(db, name);
        if (copy.open() && Database::engineOf(copy) == Database::Engine::PostgreSQL)
            exec(copy, QStringLiteral("SET search_path TO \"%1\"").arg(Database::warehouseSchema(1)));
        return copy;
    }

private slots:
    // A statement is prepared once and kept for later operations; a table dropped and made again
    // (other columns around it) is read afresh through the kept statement; closing and reopening
    // the connection starts an empty set that works on the new connection.
    void keptForTheConnection_data() { TestEngines::addRows(); }
    void keptForTheConnection()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        QVERIFY(exec(wh, QStringLiteral("CREATE TABLE \"Proba\" (\"Nev\" VARCHAR(20))")));
        QVERIFY(exec(wh, QStringLiteral("INSERT INTO \"Proba\" (\"Nev\") VALUES ('alma')")));

        const QString sql = QStringLiteral("SELECT \"Nev\" FROM \"Proba\" ORDER BY \"Nev\"");
        PreparedStatement *read = StatementSet::of(wh).statement(sql);
        QVERIFY(read);
        QCOMPARE(names(*read), QStringList {QStringLiteral("alma")});
        {
            TransactionGuard guard(wh);
            QVERIFY(exec(wh, QStringLiteral("INSERT INTO \"Proba\" (\"Nev\") VALUES ('barack')")));
            QVERIFY(guard.commit());
        }
        const int kept = StatementSet::of(wh).size();
        QCOMPARE(StatementSet::of(wh).statement(sql), read);
        QCOMPARE(StatementSet::of(wh).size(), kept);
        QCOMPARE(names(*read), (QStringList {QStringLiteral("alma"), QStringLiteral("barack")}));

        QVERIFY(exec(wh, QStringLiteral("DROP TABLE \"Proba\"")));
        QVERIFY(!read->exec());
        QVERIFY(!read->error().isEmpty());
        QVERIFY(exec(wh, QStringLiteral("CREATE TABLE \"Proba\" (\"Szam\" INTEGER, \"Nev\" VARCHAR(20))")));
        QVERIFY(exec(wh, QStringLiteral("INSERT INTO \"Proba\" (\"Szam\", \"Nev\") VALUES (1, 'cseresznye')")));
        QCOMPARE(StatementSet::of(wh).statement(sql), read);
        QCOMPARE(names(*read), QStringList {QStringLiteral("cseresznye")});

        wh = QSqlDatabase();
        Database::closeAll(db.path());
        QSqlDatabase reopened = db.warehouse(1);
        QVERIFY(reopened.isOpen());
        QCOMPARE(StatementSet::of(reopened).size(), 0);
        PreparedStatement *again = StatementSet::of(reopened).statement(sql);
        QVERIFY(again);
        QCOMPARE(names(*again), QStringList {QStringLiteral("cseresznye")});
    }

    // A read left open is finished when the next statement of the connection runs: the next
    // statement sees what another connection committed meanwhile, the left read says it was cut
    // short instead of starting over, and a transaction starts after another computer's write.
    void openReadIsFinished_data() { TestEngines::addRows(); }
    void openReadIsFinished()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        QVERIFY(exec(wh, QStringLiteral("CREATE TABLE \"Proba\" (\"Nev\" VARCHAR(20))")));
        QVERIFY(exec(wh, QStringLiteral("INSERT INTO \"Proba\" (\"Nev\") VALUES ('alma'), ('barack'), ('citrom')")));

        StatementSet &set = StatementSet::of(wh);
        PreparedStatement *left = set.statement(QStringLiteral("SELECT \"Nev\" FROM \"Proba\" ORDER BY \"Nev\""));
        PreparedStatement *count = set.statement(QStringLiteral("SELECT COUNT(*) FROM \"Proba\""));
        QVERIFY(left && count);
        QVERIFY(left->exec());
        QVERIFY(left->next());
        QCOMPARE(left->text(0), QStringLiteral("alma"));

        {
            QSqlDatabase second = other(wh, QStringLiteral("tst_statementset_other"));
            QVERIFY(second.isOpen());
            QVERIFY(exec(second, QStringLiteral("INSERT INTO \"Proba\" (\"Nev\") VALUES ('dinnye')")));
            second.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("tst_statementset_other"));

        QVERIFY(count->exec());
        QVERIFY(count->next());
        QCOMPARE(count->integer(0), qint64(4));
        count->finish();
        QVERIFY(!left->next());
        QVERIFY(!left->error().isEmpty());

        // Left open again, then another computer writes, then this one writes in a transaction.
        QVERIFY(left->exec());
        QVERIFY(left->next());
        {
            QSqlDatabase second = other(wh, QStringLiteral("tst_statementset_other"));
            QVERIFY(exec(second, QStringLiteral("INSERT INTO \"Proba\" (\"Nev\") VALUES ('eper')")));
            second.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("tst_statementset_other"));
        TransactionGuard guard(wh);
        QVERIFY2(guard.isActive(), qPrintable(guard.errorText()));
        QVERIFY(exec(wh, QStringLiteral("INSERT INTO \"Proba\" (\"Nev\") VALUES ('füge')")));
        QVERIFY2(guard.commit(), qPrintable(guard.errorText()));
        QVERIFY(count->exec() && count->next());
        QCOMPARE(count->integer(0), qint64(6));
        count->finish();
    }
};

QTEST_GUILESS_MAIN(TestStoreStatementSet)
#include "tst_statementset.moc"
