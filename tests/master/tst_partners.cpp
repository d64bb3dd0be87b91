#include "master/Partners.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

// Partners: the next id, the recording checks in their order, and the two fixed partners.
class TestPartners : public QObject
{
    Q_OBJECT

    // One database per engine for the whole run.
    EngineDatabases m_databases {QDate::currentDate()};
    TempDatabase &db() { return m_databases.current(); }

    QSqlDatabase wh() { return db().warehouse(1); }

    static PartnerEntry valid(const QString &id)
    {
        return PartnerEntry{id, QStringLiteral("Zöldség Bt."), QStringLiteral("6720"), QStringLiteral("Szeged"),
            QStringLiteral("Fő tér 2."), QStringLiteral("(  ) 123-456 "), QStringLiteral("(30) 123-4567"),
            QString(), QStringLiteral("a@b.hu"), QStringLiteral("12345678-1-23"), QString()};
    }

    void exec(const QString &sql)
    {
        QSqlQuery query(wh());
        QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
    }

private slots:

    void init()
    {
        QVERIFY2(db().isValid(), qPrintable(db().errorText()));
        exec(QStringLiteral("DELETE FROM \"Partner\""));
        exec(QStringLiteral("DELETE FROM \"Raktar\""));
        exec(QStringLiteral("INSERT INTO \"Partner\" (\"PartAzon\", \"Nev\") VALUES ('00000', 'Egyéb'), ('00001', 'Mi')"));
    }

    void nextId_data() { TestEngines::addRows(); }
    void nextId()
    {
        QCOMPARE(Partners::nextId(wh()), QStringLiteral("00002"));
        exec(QStringLiteral("INSERT INTO \"Partner\" (\"PartAzon\") VALUES ('00017')"));
        QCOMPARE(Partners::nextId(wh()), QStringLiteral("00018"));
        exec(QStringLiteral("INSERT INTO \"Partner\" (\"PartAzon\") VALUES ('99999')"));
        QCOMPARE(Partners::nextId(wh()), QStringLiteral("100000"));
        QCOMPARE(Partners::insert(wh(), valid(Partners::nextId(wh()))).text,
            QStringLiteral("Hibás azonosítót adott meg!\rA szám 0 és 99999 közötti lehet"));
    }

    void recordingChecksInOrder_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "id exists")
                << "id"
                << "00001"
                << "A partner azonosító már létezik!\rMég nem létező számot adhat meg csak"
                << "edtPartAzon";
            TestEngines::newRow(engine, "id before name")
                << "id+name"
                << "00001"
                << "A partner azonosító már létezik!\rMég nem létező számot adhat meg csak"
                << "edtPartAzon";
            TestEngines::newRow(engine, "name") << "name"
                                                << "Z"
                                                << "A partnernév megadása kötelező!"
                                                << "edtNev";
            TestEngines::newRow(engine, "postal code of three") << "postalCode"
                                                                << "672"
                                                                << "Az irányítószám megadása kötelező!"
                                                                << "edtIrszam";
            TestEngines::newRow(engine, "settlement") << "settlement"
                                                      << ""
                                                      << "A település nevének megadása kötelező!"
                                                      << "edtTelepules";
            TestEngines::newRow(engine, "street") << "street"
                                                  << "x"
                                                  << "Az utca. és házszám megadása kötelező!"
                                                  << "edtUtca";
            const QString unclean = "Hibás értékadás!\rA megnevezés nem tartalmazhat vezérlőkaraktert!";
            TestEngines::newRow(engine, "NUL in the name")
                << "name" << QString("Zöldség") + QChar(0) + "Bt." << unclean << "edtNev";
            TestEngines::newRow(engine, "tab in the street") << "street" << "Fő tér\t2." << unclean << "edtUtca";
        }
    }
    void recordingChecksInOrder()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        PartnerEntry entry = valid(QStringLiteral("00005"));
        if (field.startsWith(QLatin1String("id")))
            entry.id = value;
        if (field.endsWith(QLatin1String("name")))
            entry.name = field == QLatin1String("name") ? value : QString();
        if (field == QLatin1String("postalCode"))
            entry.postalCode = value;
        if (field == QLatin1String("settlement"))
            entry.settlement = value;
        if (field == QLatin1String("street"))
            entry.street = value;
        QCOMPARE(Partners::insert(wh(), entry), Refusal::error(message, focus));
        QCOMPARE(Partners::read(wh(), QStringLiteral("00005")), PartnerEntry());
        if (!field.startsWith(QLatin1String("id")))
            QCOMPARE(Partners::update(wh(), PartnerEntry(entry)), Refusal::error(message, focus));
    }

    void recordedWithMasksAndIdPadded_data() { TestEngines::addRows(); }
    void recordedWithMasksAndIdPadded()
    {
        PartnerEntry entry = valid(QStringLiteral("18"));
        QCOMPARE(Partners::insert(wh(), entry), Refusal());
        entry.id = QStringLiteral("00018");
        QCOMPARE(Partners::read(wh(), QStringLiteral("00018")), entry);
        entry.name = QStringLiteral("Gyümölcs Kft.");
        entry.fax = QStringLiteral("(62) 555-1234");
        QCOMPARE(Partners::update(wh(), entry), Refusal());
        QCOMPARE(Partners::read(wh(), QStringLiteral("00018")), entry);
    }

    // A partner deleted on another computer while this one edits it is not written back: the change
    // says so instead of reporting a save that touched no row.
    void changeOfAPartnerDeletedMeanwhile_data() { TestEngines::addRows(); }
    void changeOfAPartnerDeletedMeanwhile()
    {
        PartnerEntry entry = valid(QStringLiteral("19"));
        QCOMPARE(Partners::insert(wh(), entry), Refusal());
        entry.id = QStringLiteral("00019");
        QVERIFY(QSqlQuery(wh()).exec(QStringLiteral("DELETE FROM \"Partner\" WHERE \"PartAzon\" = '00019'")));
        entry.name = QStringLiteral("Gyümölcs Kft.");
        QCOMPARE(Partners::update(wh(), entry).text,
            QStringLiteral("Az adatsort időközben egy másik gépen törölték!\rA módosítás nem történt meg."));
    }

    void fixedPartnersStay_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("id");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "other") << "00000";
            TestEngines::newRow(engine, "institution") << "00001";
        }
    }
    void fixedPartnersStay()
    {
        QFETCH(QString, id);
        const PartnerEntry before = Partners::read(wh(), id);
        QCOMPARE(Partners::checkModify(id), Refusal::warning(QStringLiteral("Ez a tétel nem módosítható!")));
        QCOMPARE(Partners::update(wh(), valid(id)), Refusal::warning(QStringLiteral("Ez a tétel nem módosítható!")));
        const Refusal inUse = Refusal::warning(QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot."));
        QCOMPARE(Partners::checkDelete(wh(), id), inUse);
        QCOMPARE(Partners::remove(wh(), id), inUse);
        QCOMPARE(Partners::read(wh(), id), before);
    }

    void partnerOfAMovementRowStays_data() { TestEngines::addRows(); }
    void partnerOfAMovementRowStays()
    {
        QCOMPARE(Partners::insert(wh(), valid(QStringLiteral("7"))), Refusal());
        QCOMPARE(Partners::insert(wh(), valid(QStringLiteral("8"))), Refusal());
        exec(QStringLiteral("INSERT INTO \"Raktar\" (\"PartAzon\") VALUES ('00007')"));
        QVERIFY(Partners::remove(wh(), QStringLiteral("00007")));
        QCOMPARE(Partners::read(wh(), QStringLiteral("00007")).id, QStringLiteral("00007"));
        QCOMPARE(Partners::remove(wh(), QStringLiteral("00008")), Refusal());
        QCOMPARE(Partners::read(wh(), QStringLiteral("00008")), PartnerEntry());
    }
};

QTEST_GUILESS_MAIN(TestPartners)
#include "tst_partners.moc"
