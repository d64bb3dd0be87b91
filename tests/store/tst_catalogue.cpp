#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/ReferenceRows.h"
#include "support/StatementCount.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <memory>

// The catalogue in code against the tables a created database really holds.
class TestStoreCatalogue : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TempDatabase> m_db;

    static QStringList column(QSqlDatabase db, const QString &sql, int col = 0)
    {
        QSqlQuery query(db);
        if (!query.exec(sql))
            qWarning() << sql << query.lastError().text();
        QStringList values;
        while (query.next())
            values << query.value(col).toString();
        return values;
    }

    // Compares one table of an open database with its definition: fields in order with their
    // types, the key, every named index with its terms.
    static void compareTable(QSqlDatabase db, const TableDef &table)
    {
        const QString where = db.databaseName() + QLatin1Char(' ') + table.name;
        QSqlQuery info(db);
        QVERIFY2(info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table.name)), qPrintable(where));
        QStringList names;
        QStringList types;
        QMap<int, QString> keyByPosition;
        while (info.next()) {
            names << info.value(1).toString();
            types << info.value(2).toString();
            if (info.value(5).toInt() > 0)
                keyByPosition.insert(info.value(5).toInt(), info.value(1).toString());
        }
        QCOMPARE(names, table.fieldNames());
        for (qsizetype i = 0; i < table.fields.size(); ++i)
            QVERIFY2(types.at(i) == Catalogue::sqlType(table.fields.at(i).type), qPrintable(where + names.at(i)));
        QCOMPARE(QStringList(keyByPosition.values()), table.key);

        const QStringList indexNames
            = column(db, QStringLiteral("SELECT name FROM pragma_index_list('%1') WHERE origin = 'c'").arg(table.name));
        QCOMPARE(indexNames.size(), table.indexes.size());
        for (const IndexDef &index : table.indexes) {
            const QString sqlName = Catalogue::sqlIndexName(table.name, index.name);
            QVERIFY2(indexNames.contains(sqlName), qPrintable(where + QLatin1Char(' ') + sqlName));
            // Key terms of the index: a field name, or NULL for an expression term.
            QSqlQuery terms(db);
            QVERIFY(
                terms.exec(QStringLiteral("SELECT cid, name FROM pragma_index_xinfo('%1') WHERE key = 1 ORDER BY seqno")
                               .arg(sqlName)));
            QStringList read;
            while (terms.next())
                read << (terms.value(0).toInt() == -2 ? QStringLiteral("<expr>") : terms.value(1).toString());
            QStringList expected;
            for (const QString &term : index.terms)
                expected << (term.startsWith(QLatin1Char('"')) ? term.mid(1, term.size() - 2)
                                                               : QStringLiteral("<expr>"));
            QCOMPARE(read, expected);
        }
    }

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TempDatabase>();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
    }

    void tableListHasTheFixedOrder()
    {
        const QStringList &names = Catalogue::warehouseTableNames();
        QCOMPARE(names.size(), 52);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 52);
        QCOMPARE(names.first(), QStringLiteral("Afa"));
        QCOMPARE(names.at(19), QStringLiteral("Lock"));
        QCOMPARE(names.at(25), QStringLiteral("Raktar"));
        QCOMPARE(names.at(42), QStringLiteral("TmpKiszabat_2"));
        QCOMPARE(names.last(), QStringLiteral("Veszteseg"));

        const QList<TableDef> &tables = Catalogue::warehouseTables();
        QCOMPARE(tables.size(), 52);
        for (int i = 0; i < 52; ++i) {
            QCOMPARE(tables.at(i).name, names.at(i));
            // Tables 32 to 51 are the work tables.
            QCOMPARE(Catalogue::isWorkTable(names.at(i)), i >= 31 && i <= 50);
            QVERIFY(!tables.at(i).shared);
        }
        for (const TableDef &table : Catalogue::sharedTables()) {
            QVERIFY(table.shared);
            QVERIFY(!names.contains(table.name));
        }
    }

    void lookUpByAnySpelling_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("canonical");
        QTest::newRow("bare") << "Anyag"
                              << "Anyag";
        QTest::newRow("file name") << "Anyag.DB"
                                   << "Anyag";
        QTest::newRow("lower case with extension") << "raktar.db"
                                                   << "Raktar";
        QTest::newRow("work table") << "TMPKISZABAT_2.db"
                                    << "TmpKiszabat_2";
        QTest::newRow("shared") << "login.DB"
                                << "login";
        QTest::newRow("owner") << "Tulajdonos"
                               << "Tulajdonos";
        QTest::newRow("unknown") << "Nincs.db"
                                 << "";
        QTest::newRow("prefix only") << "Tmp"
                                     << "";
    }
    void lookUpByAnySpelling()
    {
        QFETCH(QString, name);
        QFETCH(QString, canonical);
        QCOMPARE(Catalogue::canonicalName(name), canonical);
        QCOMPARE(Catalogue::table(name) != nullptr, !canonical.isEmpty());
    }

    void fieldsAnswerWithoutRegardToCase()
    {
        const TableDef *raktar = Catalogue::table(QStringLiteral("Raktar"));
        QVERIFY(raktar);
        QCOMPARE(raktar->field(QStringLiteral("AFAertek"))->name, QStringLiteral("AfaErtek"));
        QCOMPARE(raktar->field(QStringLiteral("AFAertek"))->type, FieldType::Money);
        QCOMPARE(raktar->field(QStringLiteral("Stat"))->type, FieldType::Boolean);
        QCOMPARE(raktar->field(QStringLiteral("Datum"))->type, FieldType::Date);
        QCOMPARE(raktar->field(QStringLiteral("raktazon"))->type, FieldType::AutoIncrement);
        QVERIFY(!raktar->field(QStringLiteral("Nincs")));
        QVERIFY(raktar->index(QStringLiteral("OrderCal")));
        const TableDef *partner = Catalogue::table(QStringLiteral("Partner"));
        QCOMPARE(partner->field(QStringLiteral("utca"))->name, QStringLiteral("Utca"));
        QCOMPARE(partner->field(QStringLiteral("utca"))->width, 30);
        // Issued lines: the prepared line's fields without its id and its owner, then the voucher number.
        QStringList prepared = Catalogue::table(QStringLiteral("TmpKiszabat"))->fieldNames();
        prepared.removeFirst();
        QCOMPARE(prepared.takeLast(), QStringLiteral("Felhasznalo"));
        QStringList issued = Catalogue::table(QStringLiteral("Kiszabat"))->fieldNames();
        QCOMPARE(issued.takeFirst(), QStringLiteral("Azon"));
        QCOMPARE(issued.takeLast(), QStringLiteral("BizSzam"));
        QCOMPARE(issued, prepared);
        // Issued a-la-carte lines: the prepared line's fields without its id and its owner.
        QStringList preparedCart = Catalogue::table(QStringLiteral("TmpCartKiszabat"))->fieldNames();
        QCOMPARE(preparedCart.takeFirst(), QStringLiteral("Azon"));
        QCOMPARE(preparedCart.takeLast(), QStringLiteral("Felhasznalo"));
        QCOMPARE(Catalogue::table(QStringLiteral("CartKiszabat"))->fieldNames(), preparedCart);
        // The difference sheet highlights by its seventh field.
        QCOMPARE(Catalogue::table(QStringLiteral("TmpLeltarHason"))->fields.at(6).name, QStringLiteral("Elteres"));
    }

    void everyWarehouseMatchesTheCatalogue()
    {
        const QStringList expected = Catalogue::warehouseTableNames();
        for (int n = 1; n <= Database::WarehouseCount; ++n) {
            QSqlDatabase db = m_db->warehouse(n);
            QVERIFY2(db.isOpen(), qPrintable(db.lastError().text()));
            QStringList tables = column(
                db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"));
            tables.sort(Qt::CaseInsensitive);
            QStringList sorted = expected;
            sorted.sort(Qt::CaseInsensitive);
            QCOMPARE(tables, sorted);
            for (const TableDef &table : Catalogue::warehouseTables()) {
                compareTable(db, table);
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void sharedFileMatchesTheCatalogue()
    {
        QSqlDatabase db = m_db->shared();
        QStringList tables = column(
            db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"));
        tables.sort();
        QStringList expected;
        for (const TableDef &table : Catalogue::sharedTables()) {
            expected << table.name;
            compareTable(db, table);
        }
        expected.sort();
        QCOMPARE(tables, expected);
    }

    // The orders the screens sort by, as the created database holds them.
    void namedIndexesKeepTheirFieldOrder_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QStringList>("fields");
        const auto row = [](const char *table, const char *index, const QStringList &fields) {
            QTest::addRow("%s.%s", table, index) << QString::fromLatin1(table) << QString::fromLatin1(index) << fields;
        };
        row("Afa", "OrderDatum", {"Datum", "AfaErtek"});
        row("Afa", "OrderErtek", {"AfaErtek", "Datum"});
        row("Afa", "OrderCsopDate", {"AfaCsoport", "Datum"});
        row("Anyag", "OrderMegn", {"Megnevezes"});
        row("Partner", "OrderNev", {"Nev"});
        row("Partner", "OrderIrszam", {"Irszam"});
        row("Partner", "OrderTelepules", {"Telepules", "Irszam"});
        row("ReceptFej", "OrderMegnev", {"Megnevezes", "Enorma"});
        row("ReceptFej", "OrderNorma", {"Enorma"});
        row("Etlap", "OrderDatum", {"Datum"});
        row("CartEtlap", "OrderDatum", {"Datum"});
        row("Leltar", "OrderMegn", {"Megnevezes"});
        row("TmpLeltarHason", "OrderMegn", {"Megnevezes"});
        row("TmpKiszabat_2", "OrderMegnevezes", {"Megnevezes"});
        row("TmpCartKiszabat_2", "OrderMegnevezes", {"Megnevezes"});
        row("TmpBear", "OrderMegnev", {"Megnevezes"});
        row("TmpBear", "OrderDatum", {"Datum", "Megnevezes"});
        row("TmpEtlap", "OrderTip", {"Datum", "EtkKod", "Megnevezes"});
        row("TmpEtlap", "OrderEtel", {"Megnevezes"});
        row("TmpCartEtlap", "OrderDatum", {"Datum", "Csoport", "Megnevezes"});
        row("TmpCartEtlap", "OrderEtel", {"Megnevezes"});
        row("TmpCartEtlap", "OrderTip", {"Csoport", "Megnevezes"});
        row("TmpEtlapHeti", "OrderDatum", {"Datum", "EtkTip", "Megnevezes"});
        row("TmpEtlapHeti", "OrderEtel", {"Megnevezes"});
        row("TmpEtlapHeti", "OrderTip", {"Datum", "Tip", "Enorma", "EtkTip", "Megnevezes"});
    }
    void namedIndexesKeepTheirFieldOrder()
    {
        QFETCH(QString, table);
        QFETCH(QString, index);
        QFETCH(QStringList, fields);
        QSqlDatabase db = m_db->warehouse(1);
        const QString sqlName = Catalogue::sqlIndexName(table, index);
        QCOMPARE(
            column(db,
                QStringLiteral("SELECT name FROM pragma_index_xinfo('%1') WHERE key = 1 ORDER BY seqno").arg(sqlName)),
            fields);
    }

    // The norms table has the columns its reference file names, in the same order.
    void normColumnsFollowTheReferenceFile()
    {
        ReferenceRows::Rows reference;
        QString error;
        QVERIFY2(ReferenceRows::read(QStringLiteral("TapRendelet"), &reference, &error), qPrintable(error));
        QStringList columns;
        QSqlQuery info(m_db->warehouse(1));
        QVERIFY(info.exec(QStringLiteral("PRAGMA table_info(\"TapRendelet\")")));
        while (info.next())
            columns << info.value(1).toString();
        QCOMPARE(columns, reference.fields);
        // The age group, a minimum and a maximum for each of the 12 food groups and 14 nutrients.
        QCOMPARE(columns.size(), 1 + 2 * 12 + 2 * 14);
    }

    void keysRefuseDuplicates_data()
    {
        QTest::addColumn<QString>("insert");
        QTest::newRow("material")
            << "INSERT INTO Anyag (FokonyviSzam, NyilvSzam, Megnevezes) VALUES ('042', '0007', 'Liszt')";
        QTest::newRow("headcount of a day and meal")
            << "INSERT INTO Letszam (Datum, Etkezesek, Letszam) VALUES ('2024-03-01', '03', 120)";
        QTest::newRow("dish price") << "INSERT INTO CartBear (Fokszam, Etelkod, Fixar) VALUES ('1000', '0012', 850)";
        QTest::newRow("monthly closing")
            << "INSERT INTO Napizaras (Datum, Megjegyzes) VALUES ('2024-01-31', 'Havi zárás')";
        QTest::newRow("running number year") << "INSERT INTO Sorszam (Ev, Sorsz) VALUES ('2024', '00001')";
        QTest::newRow("usage detail row")
            << "INSERT INTO TmpAnyagFelhReszl (Fokszla, NyilvSzam, AnyagNev) VALUES ('042', '0007', 'Liszt')";
    }
    void keysRefuseDuplicates()
    {
        QFETCH(QString, insert);
        QSqlDatabase db = m_db->warehouse(2);
        QSqlQuery query(db);
        QVERIFY2(query.exec(insert), qPrintable(query.lastError().text()));
        QVERIFY(!query.exec(insert));
    }

    void keyFieldsMustBeFilled()
    {
        QSqlQuery query(m_db->warehouse(3));
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO Anyag (Megnevezes) VALUES ('kulcs nélkül')")));
        QVERIFY(!query.exec(QStringLiteral("INSERT INTO Partner (Nev) VALUES ('kulcs nélkül')")));
    }

    void flagsReadFalseWhenNotSet()
    {
        QSqlQuery query(m_db->warehouse(4));
        QVERIFY(query.exec(
            QStringLiteral("INSERT INTO Letszam (Datum, Etkezesek, Letszam) VALUES ('2024-05-02', '01', 80)")));
        QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM Letszam WHERE Kiadva = 0")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 1);
    }

    void rowIdsAreNeverReused()
    {
        QSqlQuery query(m_db->warehouse(5));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO Etlap (Datum, EtkTip) VALUES ('2024-05-02', '01')")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO Etlap (Datum, EtkTip) VALUES ('2024-05-02', '03')")));
        const qlonglong second = query.lastInsertId().toLongLong();
        QVERIFY(query.exec(QStringLiteral("DELETE FROM Etlap WHERE EtlapAzon = %1").arg(second)));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO Etlap (Datum, EtkTip) VALUES ('2024-05-03', '01')")));
        QCOMPARE(query.lastInsertId().toLongLong(), second + 1);
    }

    // Rows of one material: opening first, the day's receipts before its issues, then recording order.
    void orderCalFollowsTheKitchensDay()
    {
        QSqlDatabase db = m_db->warehouse(6);
        QSqlQuery query(db);
        struct Row
        {
            const char *datum, *bk, *mozgnem, *material;
        };
        // Recorded in this order: row ids 1 to 7.
        const Row rows[] = {
            {"2024-03-05", "KI", "03", "0001"}, // 1
            {"2024-03-05", "BE", "01", "0001"}, // 2
            {"2024-03-04", "KI", "07", "0001"}, // 3
            {"2024-03-05", "BE", "00", "0001"}, // 4 opening
            {"2024-03-05", "BE", "01", "0002"}, // 5 another material
            {"2024-03-05", "KI", "07", "0001"}, // 6
            {"2024-03-05", "BE", "02", "0001"}, // 7
        };
        query.prepare(QStringLiteral("INSERT INTO Raktar (Datum, BK, Mozgnem, FokSzla, NyilvSzam, TetelMenny) "
                                     "VALUES (?, ?, ?, '042', ?, 1)"));
        for (const Row &row : rows) {
            query.addBindValue(QString::fromLatin1(row.datum));
            query.addBindValue(QString::fromLatin1(row.bk));
            query.addBindValue(QString::fromLatin1(row.mozgnem));
            query.addBindValue(QString::fromLatin1(row.material));
            QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        }

        for (const QString &alias : {QString(), QStringLiteral("r")}) {
            const QString select = QStringLiteral("SELECT %1RaktAzon FROM Raktar %2 WHERE %1FokSzla = '042' AND "
                                                  "%1NyilvSzam = '0001' ORDER BY %3")
                                       .arg(alias.isEmpty() ? QString() : alias + QLatin1Char('.'), alias,
                                           Catalogue::orderCalOrderBy(alias));
            QCOMPARE(column(db, select), (QStringList {"3", "4", "2", "7", "1", "6"}));
            // The ORDER BY text is the index's own: the rows are read through it, never sorted apart.
            const QString plan = column(db, QStringLiteral("EXPLAIN QUERY PLAN ") + select, 3).join(QLatin1Char('|'));
            QVERIFY2(plan.contains(QStringLiteral("Raktar_OrderCal")), qPrintable(plan));
            QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(plan));
        }
    }

    void weeklyMenuOrdersNamesWithoutRegardToCase()
    {
        QSqlDatabase db = m_db->warehouse(7);
        QSqlQuery query(db);
        int id = 0;
        for (const char *name : {"citrom", "Banán", "alma", "Zöldborsó"}) {
            query.prepare(
                QStringLiteral("INSERT INTO TmpEtlapHeti (EtlapAzon, Datum, Megnevezes) VALUES (?, '2024-01-01', ?)"));
            query.addBindValue(++id);
            query.addBindValue(QString::fromUtf8(name));
            QVERIFY(query.exec());
        }
        QCOMPARE(column(db, QStringLiteral("SELECT Megnevezes FROM TmpEtlapHeti ORDER BY Megnevezes")),
            (QStringList {"alma", "Banán", "citrom", "Zöldborsó"}));
    }

    // On the server a set of tables is made by one script (one round trip), all or nothing; on
    // SQLite table by table.
    void creationIsOneScriptOnTheServer_data() { TestEngines::addRows(); }
    void creationIsOneScriptOnTheServer()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        QList<TableDef> tables;
        int statements = 0;
        for (const char *name : {"Raktar", "Anyag", "Sorszam"}) {
            TableDef table = *Catalogue::table(QString::fromLatin1(name));
            table.name = QStringLiteral("Uj") + table.name;
            statements += int(Catalogue::createStatements(table, Database::engineOf(wh)).size());
            tables << table;
        }
        QString error;
        {
            StatementCount count(wh);
            QVERIFY2(Catalogue::createTables(wh, tables, &error), qPrintable(error));
            QCOMPARE(count.count(), db.isServer() ? 1 : statements);
        }
        QSqlQuery query(wh);
        for (const TableDef &table : tables)
            QVERIFY2(query.exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table.name)), qPrintable(table.name));

        // A set whose last table exists already fails with the server's reason and makes nothing.
        TableDef fresh = *Catalogue::table(QStringLiteral("Napizaras"));
        fresh.name = QStringLiteral("UjNapizaras");
        error.clear();
        QVERIFY(!Catalogue::createTables(wh, {fresh, tables.first()}, &error));
        QVERIFY(error.contains(QStringLiteral("UjRaktar")));
        if (db.isServer())
            QVERIFY(!query.exec(QStringLiteral("SELECT COUNT(*) FROM \"UjNapizaras\"")));
    }

    // The recalculation rewrites the balances of a material's later rows: on the server Raktar's
    // pages keep room for the new versions, so the rewrite writes no index entry.
    void movementRowsLeaveRoomOnTheServer_data() { TestEngines::addRows(); }
    void movementRowsLeaveRoomOnTheServer()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        const QString create = Catalogue::createStatements(*Catalogue::table(QStringLiteral("Raktar")),
            Database::engineOf(wh)).first();
        QCOMPARE(create.endsWith(QStringLiteral(" WITH (fillfactor = 70)")), db.isServer());
        QVERIFY(!Catalogue::createStatements(*Catalogue::table(QStringLiteral("Anyag")), Database::engineOf(wh))
                     .first()
                     .contains(QStringLiteral("fillfactor")));
        if (db.isServer()) {
            QSqlQuery query(wh);
            QVERIFY(query.exec(QStringLiteral("SELECT array_to_string(reloptions, ',') FROM pg_class "
                                              "WHERE oid = to_regclass('\"Raktar\"')"))
                && query.next());
            QCOMPARE(query.value(0).toString(), QStringLiteral("fillfactor=70"));
        }
    }

    void createStatementsQuoteEveryName()
    {
        // "E-mail" and "Print" would break unquoted SQL.
        const QStringList partner = Catalogue::createStatements(*Catalogue::table(QStringLiteral("Partner")));
        QVERIFY(partner.first().contains(QStringLiteral("\"E-mail\" TEXT")));
        QVERIFY(partner.first().contains(QStringLiteral("\"PartAzon\" TEXT NOT NULL PRIMARY KEY")));
        QCOMPARE(partner.size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestStoreCatalogue)
#include "tst_catalogue.moc"
