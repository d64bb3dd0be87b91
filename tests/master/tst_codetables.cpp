#include "master/CodeTableStore.h"
#include "session/Session.h"
#include "store/ReferenceRows.h"
#include "support/EngineTools.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

Q_DECLARE_METATYPE(CodeTableId)

// The pattern of the code tables, run over every member through its description, and then
// each member's difference.
class TestCodeTables : public QObject
{
    Q_OBJECT

    // One database per engine for the whole run; init() puts the tables the tests touch back as
    // created.
    EngineDatabases m_databases {QDate::currentDate()};
    TempDatabase &db() { return m_databases.current(); }

    QSqlDatabase dbOf(const TempDatabase &db, CodeTableId id)
    {
        return CodeTables::member(id).shared ? db.shared() : db.warehouse(1);
    }

    // The key a member stores for the typed code "55".
    static QString key55(CodeTableId id)
    {
        return CodeTables::member(id).keyForm == KeyForm::Padded && CodeTables::member(id).keyWidth == 3
            ? QStringLiteral("055")
            : QStringLiteral("55");
    }

    int count(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        if (!query.exec(sql) || !query.next())
            return -1;
        return query.value(0).toInt();
    }

    // An entry every member accepts, with the code as given.
    static CodeEntry validEntry(CodeTableId id, const QString &code)
    {
        const CodeTable &member = CodeTables::member(id);
        CodeEntry entry;
        for (const CodeField &field : member.fields) {
            switch (field.kind) {
            case FieldKind::Code:
                entry.insert(field.field, code);
                break;
            case FieldKind::Text:
            case FieldKind::Picture:
                entry.insert(field.field, QStringLiteral("Ab"));
                break;
            case FieldKind::Group:
                entry.insert(field.field, QStringLiteral("1"));
                break;
            case FieldKind::Direction:
                entry.insert(field.field, QStringLiteral("KI"));
                break;
            case FieldKind::Number:
                entry.insert(field.field, QStringLiteral("0"));
                break;
            case FieldKind::Percent:
                entry.insert(field.field, QStringLiteral("5"));
                break;
            case FieldKind::Date:
                entry.insert(field.field, QStringLiteral("2024-01-01"));
                break;
            case FieldKind::Money:
                entry.insert(field.field, QStringLiteral("100"));
                break;
            case FieldKind::Lookup:
                entry.insert(field.field, QStringLiteral("01"));
                break;
            case FieldKind::Average:
                break;
            }
        }
        return entry;
    }

    static void addMembers(const QString &engine, bool creatableOnly)
    {
        for (const CodeTable &member : CodeTables::all()) {
            if (!creatableOnly || member.canCreate)
                TestEngines::newRow(engine, qPrintable(member.browse.screen)) << member.id;
        }
    }

private slots:
    void init()
    {
        QVERIFY2(db().isValid(), qPrintable(db().errorText()));
        EngineTools::allowInserts(db().warehouse(1), QStringLiteral("Fokszam"));
        QSqlQuery query(db().warehouse(1));
        QStringList tables{QStringLiteral("Anyag"), QStringLiteral("Raktar"), QStringLiteral("Etlap"),
            QStringLiteral("Letszam"), QStringLiteral("AllergenAny"), QStringLiteral("AllergenAnyT")};
        for (const CodeTable &member : CodeTables::all()) {
            if (!member.shared)
                tables << member.browse.table;
        }
        for (const QString &table : tables) {
            QVERIFY(query.exec(QStringLiteral("DELETE FROM \"%1\"").arg(table)));
            QString error;
            if (ReferenceRows::tables().contains(table))
                QVERIFY2(ReferenceRows::insert(db().warehouse(1), table, &error), qPrintable(error));
        }
    }

    void typedCodeIsStoredInItsForm_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<CodeTableId>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "ledger 7") << CodeTableId::LedgerAccounts << "7"
                                                    << "007";
            TestEngines::newRow(engine, "ledger 999") << CodeTableId::LedgerAccounts << "999"
                                                      << "999";
            TestEngines::newRow(engine, "movement 15") << CodeTableId::MovementTypes << "15"
                                                       << "15";
            TestEngines::newRow(engine, "VAT 9") << CodeTableId::VatRates << " 9 "
                                                 << "09";
            TestEngines::newRow(engine, "unit lower case") << CodeTableId::Units << "cs"
                                                           << "CS";
            TestEngines::newRow(engine, "unit accent kept") << CodeTableId::Units << "él"
                                                            << "éL";
            TestEngines::newRow(engine, "allergen 0") << CodeTableId::Allergens << "0"
                                                      << "00";
            TestEngines::newRow(engine, "loss 42") << CodeTableId::LossCodes << "42"
                                                   << "42";
            TestEngines::newRow(engine, "meal norm as typed") << CodeTableId::MealNorms << "a"
                                                              << "a";
            TestEngines::newRow(engine, "meal 9") << CodeTableId::Meals << "9"
                                                  << "09";
            TestEngines::newRow(engine, "meal type as typed") << CodeTableId::MealTypes << "x "
                                                              << "x ";
        }
    }
    void typedCodeIsStoredInItsForm()
    {
        QFETCH(CodeTableId, id);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        CodeTableStore store(dbOf(db(), id), CodeTables::member(id));
        QCOMPARE(store.insert(validEntry(id, typed)), Refusal());
        QVERIFY(store.exists(stored));
        QCOMPARE(store.read(stored).value(store.member().keyField().field).toString(), stored);
    }

    void badCodeGivesTheMembersMessage_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<CodeTableId>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        for (const QString &engine : TestEngines::names()) {
            const QString range999 = QStringLiteral("Hibás számot adott meg!\rA szám 0 és 999 közötti lehet");
            const QString range99 = QStringLiteral("Hibás kódot adott meg!\rA szám 0 és 99 közötti lehet");
            TestEngines::newRow(engine, "ledger 1000") << CodeTableId::LedgerAccounts << "1000" << range999;
            TestEngines::newRow(engine, "ledger negative") << CodeTableId::LedgerAccounts << "-1" << range999;
            TestEngines::newRow(engine, "ledger letter") << CodeTableId::LedgerAccounts << "1a" << range999;
            TestEngines::newRow(engine, "ledger empty") << CodeTableId::LedgerAccounts << "" << range999;
            TestEngines::newRow(engine, "movement 100") << CodeTableId::MovementTypes << "100" << range99;
            TestEngines::newRow(engine, "VAT x") << CodeTableId::VatRates << "x" << range99;
            TestEngines::newRow(engine, "unit one letter") << CodeTableId::Units << "K"
                                                           << "A mértékegység kód megadása kötelező!";
            TestEngines::newRow(engine, "allergen 100") << CodeTableId::Allergens << "100"
                                                        << "Hibás számot adott meg!\rA szám 0 és 99 közötti lehet";
            TestEngines::newRow(engine, "loss 5.5")
                << CodeTableId::LossCodes << "5.5"
                << "Hibás veszteségi kódot adott meg!\rA szám 0 és 99 közötti lehet";
            TestEngines::newRow(engine, "meal norm empty") << CodeTableId::MealNorms << ""
                                                           << "A kód megadása kötelező!";
            TestEngines::newRow(engine, "meal -3") << CodeTableId::Meals << "-3" << range99;
        }
    }
    void badCodeGivesTheMembersMessage()
    {
        QFETCH(CodeTableId, id);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const CodeTable &member = CodeTables::member(id);
        CodeTableStore store(dbOf(db(), id), member);
        const int before = count(dbOf(db(), id), QStringLiteral("SELECT COUNT(*) FROM ") + member.sqlTable());
        const Refusal refusal = store.insert(validEntry(id, typed));
        QCOMPARE(refusal, Refusal::error(message, QStringLiteral("edtKod")));
        QCOMPARE(count(dbOf(db(), id), QStringLiteral("SELECT COUNT(*) FROM ") + member.sqlTable()), before);
    }

    void existingCodeIsRefusedAndNothingWritten_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<CodeTableId>("id");
        for (const QString &engine : TestEngines::names()) {
            addMembers(engine, true);
        }
    }
    void existingCodeIsRefusedAndNothingWritten()
    {
        QFETCH(CodeTableId, id);
        const CodeTable &member = CodeTables::member(id);
        CodeTableStore store(dbOf(db(), id), member);
        const QString first = member.keyForm == KeyForm::Padded ? QStringLiteral("05") : QStringLiteral("AB");
        const QString again = member.keyForm == KeyForm::Padded ? QStringLiteral("5") : QStringLiteral("AB");
        if (!store.exists(first))
            QCOMPARE(store.insert(validEntry(id, first)), Refusal());
        const int before = count(dbOf(db(), id), QStringLiteral("SELECT COUNT(*) FROM ") + member.sqlTable());
        CodeEntry entry = validEntry(id, again);
        QCOMPARE(store.insert(entry), Refusal::error(member.existsMessage, member.existsFocus));
        QCOMPARE(count(dbOf(db(), id), QStringLiteral("SELECT COUNT(*) FROM ") + member.sqlTable()), before);
    }

    void shortNameIsRefusedWhereTheMemberChecksIt_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<CodeTableId>("id");
        for (const QString &engine : TestEngines::names()) {
            addMembers(engine, false);
        }
    }
    void shortNameIsRefusedWhereTheMemberChecksIt()
    {
        QFETCH(CodeTableId, id);
        const CodeTable &member = CodeTables::member(id);
        CodeTableStore store(dbOf(db(), id), member);
        const QString nameField = member.nameField.isEmpty() ? QStringLiteral("Megnevezes") : member.nameField;
        CodeEntry entry = validEntry(id, QStringLiteral("77"));
        entry.insert(nameField, QStringLiteral(" A "));
        const Refusal expected = member.nameField.isEmpty()
            ? Refusal()
            : Refusal::error(QStringLiteral("A megnevezés megadása kötelező!"), QStringLiteral("edtMegnevezes"));
        if (member.canCreate)
            QCOMPARE(store.insert(entry), expected);
        const QString existing = member.id == CodeTableId::Warehouses ? QStringLiteral("1") : QStringLiteral("77");
        if (member.modifyRefused.isEmpty())
            QCOMPARE(store.update(existing, entry), expected);
    }

    void rowInUseIsKeptAndUnusedRowDeleted_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<CodeTableId>("id");
        QTest::addColumn<QString>("usage"); // inserts a row that names code 55
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "ledger")
                << CodeTableId::LedgerAccounts
                << "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\") VALUES ('055', '0001')";
            TestEngines::newRow(engine, "movement")
                << CodeTableId::MovementTypes << "INSERT INTO \"Raktar\" (\"Mozgnem\") VALUES ('55')";
            TestEngines::newRow(engine, "VAT by group")
                << CodeTableId::VatRates
                << "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"AfaCsoport\") "
                   "VALUES ('001', '0001', '01')";
            TestEngines::newRow(engine, "VAT by movement row")
                << CodeTableId::VatRates << "INSERT INTO \"Raktar\" (\"AfaKod\") VALUES ('55')";
            TestEngines::newRow(engine, "unit")
                << CodeTableId::Units
                << "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Mertekegyseg\") "
                   "VALUES ('001', '0001', '55')";
            TestEngines::newRow(engine, "allergen contains")
                << CodeTableId::Allergens << "INSERT INTO \"AllergenAny\" (\"AzonAl\") VALUES ('55')";
            TestEngines::newRow(engine, "allergen may contain")
                << CodeTableId::Allergens << "INSERT INTO \"AllergenAnyT\" (\"AzonAl\") VALUES ('55')";
            TestEngines::newRow(engine, "loss") << CodeTableId::LossCodes
                                                << "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Vkod\") "
                                                   "VALUES ('001', '0001', '55')";
            TestEngines::newRow(engine, "meal norm")
                << CodeTableId::MealNorms << "INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Enorma\") VALUES ('99', '55')";
            TestEngines::newRow(engine, "meal in menu")
                << CodeTableId::Meals << "INSERT INTO \"Etlap\" (\"EtkTip\") VALUES ('55')";
            TestEngines::newRow(engine, "meal in headcount")
                << CodeTableId::Meals
                << "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\") "
                   "VALUES ('2024-01-01', '55', 3)";
            TestEngines::newRow(engine, "meal type")
                << CodeTableId::MealTypes << "INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Tip\") VALUES ('99', '55')";
        }
    }
    void rowInUseIsKeptAndUnusedRowDeleted()
    {
        QFETCH(CodeTableId, id);
        QFETCH(QString, usage);
        const CodeTable &member = CodeTables::member(id);
        QSqlDatabase connection = dbOf(db(), id);
        CodeTableStore store(connection, member);
        CodeEntry entry = validEntry(id, QStringLiteral("55"));
        QCOMPARE(store.insert(entry), Refusal());
        const QString key = key55(id);
        QVERIFY(store.exists(key));
        QCOMPARE(store.checkDelete(key), Refusal());

        QSqlQuery query(connection);
        QVERIFY2(query.exec(usage), qPrintable(query.lastError().text()));
        const Refusal inUse = Refusal::warning(QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot."));
        QCOMPARE(store.checkDelete(key), inUse);
        QCOMPARE(store.remove(key), inUse);
        QVERIFY(store.exists(key));

        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Anyag\"")));
        for (const Usage &u : member.usages)
            QVERIFY(query.exec(QStringLiteral("DELETE FROM \"%1\"").arg(u.table)));
        QCOMPARE(store.remove(key), Refusal());
        QVERIFY(!store.exists(key));
    }

    void fixedMovementTypesStay_data() { TestEngines::addRows(); }
    void fixedMovementTypesStay()
    {
        CodeTableStore store(db().warehouse(1), CodeTables::member(CodeTableId::MovementTypes));
        const Refusal notModifiable = Refusal::warning(QStringLiteral("A tétel nem módosítható!\rGyárilag beállított érték."));
        QCOMPARE(store.checkModify(QStringLiteral("08")), notModifiable);
        QCOMPARE(store.update(QStringLiteral("00"), validEntry(CodeTableId::MovementTypes, QStringLiteral("00"))),
            notModifiable);
        QCOMPARE(store.read(QStringLiteral("00")).value(QStringLiteral("Megnevezes")).toString(), QStringLiteral("Nyitó készlet"));
        QCOMPARE(store.remove(QStringLiteral("08")),
            Refusal::warning(QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot.")));
        QVERIFY(store.exists(QStringLiteral("08")));

        QCOMPARE(store.insert(validEntry(CodeTableId::MovementTypes, QStringLiteral("9"))), Refusal());
        QCOMPARE(store.checkModify(QStringLiteral("09")), Refusal());
        QCOMPARE(store.remove(QStringLiteral("09")), Refusal());
        QVERIFY(!store.exists(QStringLiteral("09")));
    }

    void usedMovementTypeKeepsItsDirection_data() { TestEngines::addRows(); }
    void usedMovementTypeKeepsItsDirection()
    {
        CodeTableStore store(db().warehouse(1), CodeTables::member(CodeTableId::MovementTypes));
        CodeEntry entry{{QStringLiteral("MozgnemKod"), QStringLiteral("12")},
            {QStringLiteral("Megnevezes"), QStringLiteral("Régi")}, {QStringLiteral("Irany"), QStringLiteral("BE")}};
        QCOMPARE(store.insert(entry), Refusal());
        QVERIFY(!store.isUsed(QStringLiteral("12")));
        QSqlQuery query(db().warehouse(1));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Raktar\" (\"Mozgnem\") VALUES ('12')")));
        QVERIFY(store.isUsed(QStringLiteral("12")));
        entry.insert(QStringLiteral("Megnevezes"), QStringLiteral("Új név"));
        entry.insert(QStringLiteral("Irany"), QStringLiteral("KI"));
        QCOMPARE(store.update(QStringLiteral("12"), entry), Refusal());
        const QVariantMap row = store.read(QStringLiteral("12"));
        QCOMPARE(row.value(QStringLiteral("Megnevezes")).toString(), QStringLiteral("Új név"));
        QCOMPARE(row.value(QStringLiteral("Irany")).toString(), QStringLiteral("BE"));
    }

    void vatChecksInOrderAndRoundsTheValue_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<double>("stored");
        for (const QString &engine : TestEngines::names()) {
            const QString groupMessage = QStringLiteral("Hibás Csoportkódot adott meg!\rA szám 0 és 99 közötti lehet");
            const QString codeMessage = QStringLiteral("Hibás kódot adott meg!\rA szám 0 és 99 közötti lehet");
            const QString valueMessage
                = QStringLiteral("Az ÁFA értéke hibás!\rCsak 0 és 100 közötti értéket adhat meg!");
            TestEngines::newRow(engine, "comma") << "5"
                                                 << "20"
                                                 << "27,5"
                                                 << "" << 27.5;
            TestEngines::newRow(engine, "rounded to two") << "5"
                                                          << "20"
                                                          << "5,126"
                                                          << "" << 5.13;
            TestEngines::newRow(engine, "half to even") << "5"
                                                        << "20"
                                                        << "5,125"
                                                        << "" << 5.12;
            TestEngines::newRow(engine, "100") << "5"
                                               << "20"
                                               << "100"
                                               << "" << 100.0;
            TestEngines::newRow(engine, "100,001") << "5"
                                                   << "20"
                                                   << "100,001" << valueMessage << 0.0;
            TestEngines::newRow(engine, "101") << "5"
                                               << "20"
                                               << "101" << valueMessage << 0.0;
            TestEngines::newRow(engine, "text") << "5"
                                                << "20"
                                                << "sok" << valueMessage << 0.0;
            for (const char *none : {"inf", "nan", "-inf", "1e1", "12abc"})
                TestEngines::newRow(engine, none) << "5"
                                                  << "20" << QString::fromLatin1(none) << valueMessage << 0.0;
            TestEngines::newRow(engine, "group before code") << "x"
                                                             << "x"
                                                             << "x" << groupMessage << 0.0;
            TestEngines::newRow(engine, "code before value") << "5"
                                                             << "100"
                                                             << "x" << codeMessage << 0.0;
            TestEngines::newRow(engine, "exists after value") << "5"
                                                              << "1"
                                                              << "x" << valueMessage << 0.0;
        }
    }
    void vatChecksInOrderAndRoundsTheValue()
    {
        QFETCH(QString, group);
        QFETCH(QString, code);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(double, stored);
        CodeTableStore store(db().warehouse(1), CodeTables::member(CodeTableId::VatRates));
        const CodeEntry entry{{QStringLiteral("Afakod"), code}, {QStringLiteral("AfaCsoport"), group},
            {QStringLiteral("AfaErtek"), value}, {QStringLiteral("Datum"), QStringLiteral("2024-07-01")}};
        const Refusal refusal = store.insert(entry);
        QCOMPARE(refusal.text, message);
        if (message.isEmpty()) {
            const QVariantMap row = store.read(QStringLiteral("20"));
            QCOMPARE(row.value(QStringLiteral("AfaErtek")).toDouble(), stored);
            QCOMPARE(row.value(QStringLiteral("AfaCsoport")).toString(), QStringLiteral("05"));
            QCOMPARE(row.value(QStringLiteral("Datum")).toDate(), QDate(2024, 7, 1));
        }
    }

    void vatRowsAreNeverModified_data() { TestEngines::addRows(); }
    void vatRowsAreNeverModified()
    {
        CodeTableStore store(db().warehouse(1), CodeTables::member(CodeTableId::VatRates));
        const Refusal refused = Refusal::information(
            QStringLiteral("A módosítás nem alkalmazható itt.\rJavítani törléssel, és újbóli felvitellel lehet."));
        QCOMPARE(store.checkModify(QStringLiteral("01")), refused);
        QCOMPARE(store.update(QStringLiteral("01"), validEntry(CodeTableId::VatRates, QStringLiteral("01"))), refused);
        QCOMPARE(store.read(QStringLiteral("01")).value(QStringLiteral("AfaErtek")).toDouble(), 27.0);
    }

    void lossAverage_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QList<int>>("months");
        QTest::addColumn<int>("average");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "zeros left out") << QList<int> {10, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 15;
            TestEngines::newRow(engine, "all zero") << QList<int>(12, 0) << 0;
            TestEngines::newRow(engine, "half to even down") << QList<int> {1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 2;
            TestEngines::newRow(engine, "half to even up") << QList<int> {3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 4;
        }
    }
    void lossAverage()
    {
        QFETCH(QList<int>, months);
        QFETCH(int, average);
        QCOMPARE(CodeTableStore::lossAverage(months), average);

        CodeTableStore store(db().warehouse(1), CodeTables::member(CodeTableId::LossCodes));
        CodeEntry entry = validEntry(CodeTableId::LossCodes, QStringLiteral("3"));
        for (int month = 1; month <= 12; ++month)
            entry.insert(QStringLiteral("V%1").arg(month, 2, 10, QLatin1Char('0')), QString::number(months[month - 1]));
        entry.insert(QStringLiteral("Vatl"), QStringLiteral("99"));
        QCOMPARE(store.insert(entry), Refusal());
        QCOMPARE(store.read(QStringLiteral("03")).value(QStringLiteral("Vatl")).toInt(), average);
    }

    void mealNormIsMoneyAndLookupsAreKept_data() { TestEngines::addRows(); }
    void mealNormIsMoneyAndLookupsAreKept()
    {
        CodeTableStore store(db().warehouse(1), CodeTables::member(CodeTableId::Meals));
        CodeEntry entry = validEntry(CodeTableId::Meals, QStringLiteral("4"));
        entry.insert(QStringLiteral("Norma"), QStringLiteral("1 234,56789"));
        entry.insert(QStringLiteral("Tip"), QStringLiteral("03"));
        entry.insert(QStringLiteral("Enorma"), QStringLiteral("B"));
        QCOMPARE(store.insert(entry), Refusal());
        const QVariantMap row = store.read(QStringLiteral("04"));
        QCOMPARE(row.value(QStringLiteral("Norma")).toDouble(), 1234.5679);
        QCOMPARE(row.value(QStringLiteral("Tip")).toString(), QStringLiteral("03"));
        QCOMPARE(row.value(QStringLiteral("Enorma")).toString(), QStringLiteral("B"));
        entry.insert(QStringLiteral("Norma"), QStringLiteral("-1"));
        QCOMPARE(store.update(QStringLiteral("04"), entry).focus, QStringLiteral("edtNorma"));
        QCOMPARE(store.read(QStringLiteral("04")).value(QStringLiteral("Norma")).toDouble(), 1234.5679);
    }

    void warehouseIsOnlyRenamed_data() { TestEngines::addRows(); }
    void warehouseIsOnlyRenamed()
    {
        CodeTableStore store(db().shared(), CodeTables::member(CodeTableId::Warehouses));
        CodeEntry entry{{QStringLiteral("RaktarNev"), QStringLiteral("Konyha 2")}};
        QCOMPARE(store.update(QStringLiteral("2"), entry), Refusal());
        QCOMPARE(store.read(QStringLiteral("2")).value(QStringLiteral("RaktarNev")).toString(), QStringLiteral("Konyha 2"));
        QVERIFY(store.checkDelete(QStringLiteral("2")));
        QCOMPARE(store.remove(QStringLiteral("2")).text, QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot."));
        QVERIFY(store.exists(QStringLiteral("2")));
    }

    // Renaming the active warehouse renames it in the session; another warehouse's name does not.
    void renamedActiveWarehouseRenamesTheSession_data() { TestEngines::addRows(); }
    void renamedActiveWarehouseRenamesTheSession()
    {
        CodeTableStore store(db().shared(), CodeTables::member(CodeTableId::Warehouses));
        Session session;
        session.setAktivRaktar(1);
        session.setAktivRaktarNev(store.read(QStringLiteral("1")).value(QStringLiteral("RaktarNev")).toString());
        const QString before = session.aktivRaktarNev();

        QCOMPARE(
            store.update(QStringLiteral("3"), {{QStringLiteral("RaktarNev"), QStringLiteral("Tálaló")}}), Refusal());
        QVERIFY(!store.followActiveWarehouse(session, QStringLiteral("3")));
        QCOMPARE(session.aktivRaktarNev(), before);

        QCOMPARE(
            store.update(QStringLiteral("1"), {{QStringLiteral("RaktarNev"), QStringLiteral("Főkonyha")}}), Refusal());
        QVERIFY(store.followActiveWarehouse(session, QStringLiteral("1")));
        QCOMPARE(session.aktivRaktarNev(), QStringLiteral("Főkonyha"));
        QVERIFY(!store.followActiveWarehouse(session, QStringLiteral("1")));
    }

    void failedWriteLeavesTheTableAndSaysSo_data() { TestEngines::addRows(); }
    void failedWriteLeavesTheTableAndSaysSo()
    {
        QString error;
        QVERIFY2(EngineTools::refuseInserts(db().warehouse(1), QStringLiteral("Fokszam"), &error), qPrintable(error));
        CodeTableStore store(db().warehouse(1), CodeTables::member(CodeTableId::LedgerAccounts));
        const Refusal refusal = store.insert(validEntry(CodeTableId::LedgerAccounts, QStringLiteral("321")));
        QCOMPARE(refusal.caption, QStringLiteral("HIBA!"));
        QVERIFY2(refusal.text.startsWith(QStringLiteral("Az adatbázis írása nem sikerült, az adat nem változott!\r")),
            qPrintable(refusal.text));
        QVERIFY(!store.exists(QStringLiteral("321")));
    }

    void textLongerThanItsFieldIsRefused_data() { TestEngines::addRows(); }
    void textLongerThanItsFieldIsRefused()
    {
        CodeTableStore store(db().warehouse(1), CodeTables::member(CodeTableId::Units));
        CodeEntry entry = validEntry(CodeTableId::Units, QStringLiteral("ABCDE"));
        QCOMPARE(store.insert(entry).focus, QStringLiteral("edtKod"));
        entry = validEntry(CodeTableId::Units, QStringLiteral("ABC"));
        entry.insert(QStringLiteral("Megnevezes"), QString(21, QLatin1Char('x')));
        QCOMPARE(store.insert(entry).focus, QStringLiteral("edtMegnevezes"));
        QVERIFY(!store.exists(QStringLiteral("ABC")));
        // A control character in a name is refused too.
        entry.insert(QStringLiteral("Megnevezes"), QString("Kilo") + QChar(0) + "gramm");
        const Refusal unclean = store.insert(entry);
        QCOMPARE(unclean.text, QStringLiteral("Hibás értékadás!\rA megnevezés nem tartalmazhat vezérlőkaraktert!"));
        QCOMPARE(unclean.focus, QStringLiteral("edtMegnevezes"));
        QVERIFY(!store.exists(QStringLiteral("ABC")));
    }
};

QTEST_GUILESS_MAIN(TestCodeTables)
#include "tst_codetables.moc"
