#include "core/ScriptedMessenger.h"
#include "master/RecipeCodes.h"
#include "master/RecipeCopy.h"
#include "master/RecipeDeletion.h"
#include "master/RecipeHeader.h"
#include "master/RecipeLines.h"
#include "master/RecipeRecompute.h"
#include "master/RecipeValues.h"
#include "master/RecipeVatRates.h"
#include "session/Settings.h"
#include "store/Sql.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// Recipe headers, lines, code proposals, values, copy and deletion on a real warehouse.
class TestRecipes : public QObject
{
    Q_OBJECT

    const QDate m_today {2026, 3, 10};

    static void exec(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        QVERIFY2(query.exec(sql), qPrintable(sql + ": " + query.lastError().text()));
    }
    static QVariant value(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }
    static int count(QSqlDatabase db, const QString &sql) { return value(db, sql).toInt(); }

    static void addRecipe(QSqlDatabase db, const QString &code, const QString &name = QStringLiteral("Gulyásleves"))
    {
        exec(db,
            QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Enorma\", \"ValtAzon\", "
                           "\"Leiras\", \"Netto\", \"Afa\") "
                           "VALUES ('%1', '%2', '01', '1', 'Főzni kell.', 0, 0)")
                .arg(code, name));
    }
    // A material with a registered price, a VAT group and sugar and salt per unit.
    static void addMaterial(QSqlDatabase db, const QString &number, double price, const QString &group, double sugar,
        double salt, bool addedSugar, bool addedSalt)
    {
        exec(db,
            QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", "
                           "\"AfaCsoport\", "
                           "\"NyilvAr\", \"Kerekites\", \"Energia\", \"Cukor\", \"So\", \"Hcukor\", \"Hso\") VALUES "
                           "('211', '%1', 'Anyag %1', "
                           "'kg', '%2', %3, 3, 10, %4, %5, %6, %7)")
                .arg(number, group)
                .arg(price)
                .arg(sugar)
                .arg(salt)
                .arg(addedSugar ? "TRUE" : "FALSE")
                .arg(addedSalt ? "TRUE" : "FALSE"));
    }
    static void addLine(QSqlDatabase db, const QString &code, const QString &number, double quantity)
    {
        exec(db,
            QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") VALUES "
                           "('%1', '211', '%2', %3)")
                .arg(code, number)
                .arg(quantity));
    }

private slots:
    void quantityPer100Portions_data()
    {
        QTest::addColumn<double>("typed");
        QTest::addColumn<int>("portions");
        QTest::addColumn<double>("stored");
        QTest::newRow("50 portions double") << 2.5 << 50 << 5.0;
        QTest::newRow("100 portions as typed") << 2.5 << 100 << 2.5;
        QTest::newRow("thirds rounded to three decimals") << 1.0 << 3 << 33.333;
        QTest::newRow("half to even") << 0.0125 << 100 << 0.012;
        QTest::newRow("0 portions held to 1") << 1.0 << 0 << 100.0;
        QTest::newRow("negative portions held to 1") << 1.0 << -5 << 100.0;
        QTest::newRow("above 100 held to 100") << 1.5 << 400 << 1.5;
    }
    void quantityPer100Portions()
    {
        QFETCH(double, typed);
        QFETCH(int, portions);
        QFETCH(double, stored);
        QCOMPARE(RecipeLines::per100(typed, portions), stored);
    }

    void newLineStoresPer100AndChangeStoresAsTyped_data() { TestEngines::addRows(); }
    void newLineStoresPer100AndChangeStoresAsTyped()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addRecipe(w, QStringLiteral("0001"));
        addMaterial(w, QStringLiteral("0005"), 10, QStringLiteral("91"), 0, 0, false, false);
        addMaterial(w, QStringLiteral("0006"), 10, QStringLiteral("91"), 0, 0, false, false);

        const Checked<qint64> added = RecipeLines::add(
            w, {QStringLiteral("0001"), QStringLiteral("211"), QStringLiteral("0005"), 2.5}, 50, m_today);
        QVERIFY(added.ok());
        QCOMPARE(value(w, "SELECT \"Mennyiseg\" FROM \"Recept\"").toDouble(), 5.0);
        QCOMPARE(value(w, "SELECT \"ModDat\" FROM \"ReceptFej\"").toDate(), m_today);

        exec(w, "UPDATE \"ReceptFej\" SET \"ModDat\" = NULL");
        QVERIFY(RecipeLines::change(
            w, added.value, {QStringLiteral("0001"), QStringLiteral("211"), QStringLiteral("0006"), 5.0}, m_today)
                    .isNull());
        QCOMPARE(value(w, "SELECT \"Mennyiseg\" FROM \"Recept\"").toDouble(), 5.0);
        QCOMPARE(value(w, "SELECT \"NyilvSzam\" FROM \"Recept\"").toString(), QStringLiteral("0006"));
        QCOMPARE(value(w, "SELECT \"ModDat\" FROM \"ReceptFej\"").toDate(), m_today);
    }

    // A line must name a material of its ledger account: an account without materials gives an
    // empty key, and a line whose stored account is gone would be rewritten with one. Such a line is
    // refused and nothing is written; the stored line keeps its keys.
    void lineWithoutAMaterialIsRefused_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("number");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "account without materials") << "212" << "";
            TestEngines::newRow(engine, "no account") << "" << "";
            TestEngines::newRow(engine, "no account, number kept") << "" << "0001";
            TestEngines::newRow(engine, "material of another account") << "212" << "0001";
            TestEngines::newRow(engine, "unknown material") << "211" << "0099";
            TestEngines::newRow(engine, "blank number") << "211" << "    ";
        }
    }
    void lineWithoutAMaterialIsRefused()
    {
        QFETCH(QString, account);
        QFETCH(QString, number);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addRecipe(w, QStringLiteral("0001"));
        addMaterial(w, QStringLiteral("0001"), 10, QStringLiteral("91"), 0, 0, false, false);
        addLine(w, QStringLiteral("0001"), QStringLiteral("0001"), 1.5);
        const qint64 line = value(w, "SELECT \"ReceptAzon\" FROM \"Recept\"").toLongLong();
        const RecipeLines::Line typed {QStringLiteral("0001"), account, number, 2};
        const QString missing = QStringLiteral("Hibás értékadás!\rNem adott meg anyagnevet!");

        const Checked<qint64> added = RecipeLines::add(w, typed, 100, m_today);
        QCOMPARE(added.refusal.text, missing);
        QCOMPARE(added.refusal.caption, QStringLiteral("HIBA!"));
        QCOMPARE(added.refusal.focus, QStringLiteral("dbcAnyag"));
        const Refusal changed = RecipeLines::change(w, line, typed, m_today);
        QCOMPARE(changed.text, missing);
        QCOMPARE(changed.focus, QStringLiteral("dbcAnyag"));

        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"Recept\""), 1);
        QCOMPARE(value(w, "SELECT \"FokSzla\" || '|' || \"NyilvSzam\" || '|' || \"Mennyiseg\" FROM \"Recept\"")
                     .toString(),
            QStringLiteral("211|0001|1.5"));
        QVERIFY(value(w, "SELECT \"ModDat\" FROM \"ReceptFej\"").isNull());
    }

    // Changing a header keeps its code, checks the name and stamps ModDat; deleting a line asks
    // first and stamps ModDat too.
    void headerChangeAndLineDeletion_data() { TestEngines::addRows(); }
    void headerChangeAndLineDeletion()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addRecipe(w, QStringLiteral("0001"));
        addLine(w, QStringLiteral("0001"), QStringLiteral("0001"), 1);

        const Refusal shortName = RecipeHeaders::change(w,
            {QStringLiteral("0001"), QStringLiteral("Xy"), QStringLiteral("02"), QStringLiteral("4"), QString()},
            m_today);
        QCOMPARE(shortName.text, QStringLiteral("A receptnevet kötelező megadni!"));
        QCOMPARE(value(w, "SELECT \"Megnevezes\" FROM \"ReceptFej\"").toString(), QStringLiteral("Gulyásleves"));
        QVERIFY(RecipeHeaders::change(w,
            {QStringLiteral("0001"), QStringLiteral("Babgulyás"), QStringLiteral("02"), QStringLiteral("4"),
                QStringLiteral("Új")},
            m_today)
                    .isNull());
        QCOMPARE(value(w,
                     "SELECT \"Megnevezes\" || '|' || \"Enorma\" || '|' || \"ValtAzon\" || '|' || \"Leiras\" || '|' || "
                     "\"ModDat\" "
                     "FROM \"ReceptFej\"")
                     .toString(),
            QStringLiteral("Babgulyás|02|4|Új|2026-03-10"));

        exec(w, "UPDATE \"ReceptFej\" SET \"ModDat\" = NULL");
        const qint64 line = value(w, "SELECT \"ReceptAzon\" FROM \"Recept\"").toLongLong();
        QVERIFY(RecipeLines::checkRemove(line).isNull());
        QCOMPARE(RecipeLines::removeQuestion(), QStringLiteral("Valóban törli az anyagot?\rAz adat visszavonhatatlanul törlődik!"));
        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"Recept\""), 1);
        QVERIFY(value(w, "SELECT \"ModDat\" FROM \"ReceptFej\"").isNull());
        QVERIFY(RecipeLines::remove(w, QStringLiteral("0001"), line, m_today).isNull());
        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"Recept\""), 0);
        QCOMPARE(value(w, "SELECT \"ModDat\" FROM \"ReceptFej\"").toDate(), m_today);
        QCOMPARE(RecipeLines::checkRemove(0).text, QStringLiteral("Nincs kiválasztott adatsor!"));
    }

    void codeProposals_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("newCode");
        QTest::addColumn<QString>("copyCode");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "gap") << QStringList {"0000", "0001", "0003"} << "0004"
                                               << "0002";
            TestEngines::newRow(engine, "empty table") << QStringList {} << "0001"
                                                       << "0000";
            TestEngines::newRow(engine, "highest taken") << QStringList {"0000", "9999"} << ""
                                                         << "0001";
        }
    }
    void codeProposals()
    {
        QFETCH(QStringList, codes);
        QFETCH(QString, newCode);
        QFETCH(QString, copyCode);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        for (const QString &code : codes)
            addRecipe(db.warehouse(1), code);
        QCOMPARE(RecipeCodes::proposeNew(db.warehouse(1)), newCode);
        QCOMPARE(RecipeCodes::lowestFree(db.warehouse(1)), copyCode);
    }

    void newRecipeChecks_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        for (const QString &engine : TestEngines::names()) {
            const QString badCode = "Az azonosító értéke hibás!\rCsak 0 és 9999 közötti értéket adhat meg!";
            TestEngines::newRow(engine, "letters") << "12a"
                                                   << "Rakott krumpli" << badCode << "edtEtelKod";
            TestEngines::newRow(engine, "too high") << "10000"
                                                    << "Rakott krumpli" << badCode << "edtEtelKod";
            TestEngines::newRow(engine, "negative") << "-1"
                                                    << "Rakott krumpli" << badCode << "edtEtelKod";
            TestEngines::newRow(engine, "empty") << ""
                                                 << "Rakott krumpli" << badCode << "edtEtelKod";
            TestEngines::newRow(engine, "exists padded") << "7"
                                                         << "Rakott krumpli"
                                                         << "Az azonosító már létezik!\rVálasszon más azonosítót!"
                                                         << "edtEtelKod";
            TestEngines::newRow(engine, "short name") << "8"
                                                      << "Ab"
                                                      << "A receptnevet kötelező megadni!"
                                                      << "edtMegnevezes";
            TestEngines::newRow(engine, "blank name") << "8"
                                                      << "     "
                                                      << "A receptnevet kötelező megadni!"
                                                      << "edtMegnevezes";
            TestEngines::newRow(engine, "control character in the name")
                << "8" << QString("Rakott") + QChar(0x1B) + "krumpli"
                << "Hibás értékadás!\rA megnevezés nem tartalmazhat vezérlőkaraktert!" << "edtMegnevezes";
            TestEngines::newRow(engine, "accepted") << "8"
                                                    << "Rakott krumpli"
                                                    << ""
                                                    << "";
        }
    }
    void newRecipeChecks()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addRecipe(w, QStringLiteral("0007"));

        const Checked<QString> result = RecipeHeaders::add(
            w, {code, name, QStringLiteral("02"), QStringLiteral("3"), QStringLiteral("Sütni.")}, m_today);
        QCOMPARE(result.refusal.text, message);
        QCOMPARE(result.refusal.focus, focus);
        if (message.isEmpty()) {
            QCOMPARE(result.value, QStringLiteral("0008"));
            QCOMPARE(value(w,
                         "SELECT \"Megnevezes\" || '|' || \"Enorma\" || '|' || \"ValtAzon\" || '|' || \"Leiras\" FROM "
                         "\"ReceptFej\" "
                         "WHERE \"EtelKod\" = '0008'")
                         .toString(),
                QStringLiteral("Rakott krumpli|02|3|Sütni."));
            QCOMPARE(value(w, "SELECT \"LetrDat\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0008'").toDate(), m_today);
        } else {
            QCOMPARE(result.refusal.caption, QStringLiteral("HIBA!"));
            QCOMPARE(count(w, "SELECT COUNT(*) FROM \"ReceptFej\""), 1);
        }
    }

    // Two lines: sugar product 2 from a material without added sugar, 100 from one with it.
    void addedSugarAndSaltInEitherOrder_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<bool>("addedFirst");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "added sugar first") << true;
            TestEngines::newRow(engine, "added sugar last") << false;
        }
    }
    void addedSugarAndSaltInEitherOrder()
    {
        QFETCH(bool, addedFirst);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addRecipe(w, QStringLiteral("0001"));
        addMaterial(w, QStringLiteral("0001"), 0, QStringLiteral("91"), 1, 0.5, false, true);
        addMaterial(w, QStringLiteral("0002"), 0, QStringLiteral("91"), 100, 0.25, true, false);
        if (addedFirst) {
            addLine(w, QStringLiteral("0001"), QStringLiteral("0002"), 1);
            addLine(w, QStringLiteral("0001"), QStringLiteral("0001"), 2);
        } else {
            addLine(w, QStringLiteral("0001"), QStringLiteral("0001"), 2);
            addLine(w, QStringLiteral("0001"), QStringLiteral("0002"), 1);
        }
        QVERIFY(RecipeRecompute::one(w, QStringLiteral("0001"), m_today));
        QCOMPARE(value(w, "SELECT \"Cukor\" FROM \"ReceptFej\"").toDouble(), 102.0);
        QCOMPARE(value(w, "SELECT \"HCukor\" FROM \"ReceptFej\"").toDouble(), 100.0);
        QCOMPARE(value(w, "SELECT \"So\" FROM \"ReceptFej\"").toDouble(), 1.25);
        QCOMPARE(value(w, "SELECT \"HSo\" FROM \"ReceptFej\"").toDouble(), 1.0);
        QCOMPARE(value(w, "SELECT \"Energia\" FROM \"ReceptFej\"").toDouble(), 30.0);
    }

    // Price 300, quantity 2, 27 % in force today: 600 net and 162 VAT. A rate dated later is not
    // yet in force; an earlier one is superseded; another group's rate does not apply.
    void costAndVatInForceToday_data() { TestEngines::addRows(); }
    void costAndVatInForceToday()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        exec(w, "DELETE FROM \"Afa\"");
        exec(w,
            "INSERT INTO \"Afa\" (\"Afakod\", \"AfaCsoport\", \"Datum\", \"AfaErtek\") VALUES ('01', '91', "
            "'2020-01-01', 18), "
            "('02', '91', '2026-03-10', 27), ('03', '91', '2026-03-11', 5), ('04', '92', '2020-01-01', 50)");
        addRecipe(w, QStringLiteral("0001"));
        addMaterial(w, QStringLiteral("0001"), 300, QStringLiteral("91"), 0, 0, false, false);
        addMaterial(w, QStringLiteral("0002"), 0.3333, QStringLiteral("93"), 0, 0, false, false);
        addLine(w, QStringLiteral("0001"), QStringLiteral("0001"), 2);
        addLine(w, QStringLiteral("0001"), QStringLiteral("0002"), 3);
        QVERIFY(RecipeRecompute::one(w, QStringLiteral("0001"), m_today));
        QCOMPARE(value(w, "SELECT \"Netto\" FROM \"ReceptFej\"").toDouble(), 600.9999);
        QCOMPARE(value(w, "SELECT \"Afa\" FROM \"ReceptFej\"").toDouble(), 162.0);
    }

    // Cost and VAT are summed over the lines exactly and rounded to four decimals once; rounding
    // each line first drifts by a ten-thousandth per few lines.
    void costIsSummedBeforeRounding_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QList<double>>("quantities");
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("netto");
        QTest::addColumn<QString>("afa");
        // 3 × 41.6666625: lines rounded first give 125.0001.
        QTest::newRow("thirds of a price") << "333.3333" << QList<double> {0.125, 0.125, 0.125} << 27.0 << "125"
                                           << "33.75";
        // Two half units: rounded first, each goes to the even 0.
        QTest::newRow("half units") << "0.0001" << QList<double> {0.5, 0.5} << 0.0 << "0.0001"
                                    << "0";
        QTest::newRow("half-unit VAT") << "0.0001" << QList<double> {1, 1} << 50.0 << "0.0002"
                                       << "0.0001";
        // A true half of the total goes to the even neighbour: 0.00125 -> 0.0012.
        QTest::newRow("tie of the sum") << "0.0025" << QList<double> {0.25, 0.25} << 5.0 << "0.0012"
                                        << "0.0001";
        QTest::newRow("stored quantity with three decimals") << "412.5" << QList<double> {16.667, 0.013, 2.5} << 18.0
                                                             << "7911.75"
                                                             << "1424.115";
        QTest::newRow("no lines") << "100" << QList<double> {} << 27.0 << "0"
                                  << "0";
    }
    void costIsSummedBeforeRounding()
    {
        QFETCH(QString, price);
        QFETCH(QList<double>, quantities);
        QFETCH(double, percent);
        QFETCH(QString, netto);
        QFETCH(QString, afa);
        RecipeVatRates rates;
        rates.set(QStringLiteral("91"), percent);
        QList<RecipeIngredient> lines;
        for (double quantity : quantities) {
            RecipeIngredient line;
            line.quantity = quantity;
            line.price = *Money::fromText(price);
            line.vatGroup = QStringLiteral("91");
            lines << line;
        }
        const RecipeValues values = RecipeValues::compute(lines, rates);
        QCOMPARE(values.netto, *Money::fromText(netto));
        QCOMPARE(values.afa, *Money::fromText(afa));
    }

    // The stored header holds the once-rounded totals on either engine.
    void storedCostIsRoundedOnce_data() { TestEngines::addRows(); }
    void storedCostIsRoundedOnce()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        exec(w, "DELETE FROM \"Afa\"");
        exec(w,
            "INSERT INTO \"Afa\" (\"Afakod\", \"AfaCsoport\", \"Datum\", \"AfaErtek\") VALUES ('01', '91', "
            "'2020-01-01', 50)");
        addRecipe(w, QStringLiteral("0001"));
        addMaterial(w, QStringLiteral("0001"), 0, QStringLiteral("91"), 0, 0, false, false);
        addMaterial(w, QStringLiteral("0002"), 0, QStringLiteral("91"), 0, 0, false, false);
        exec(w, "UPDATE \"Anyag\" SET \"NyilvAr\" = 333.3333 WHERE \"NyilvSzam\" = '0001'");
        exec(w, "UPDATE \"Anyag\" SET \"NyilvAr\" = 0.0001 WHERE \"NyilvSzam\" = '0002'");
        for (int i = 0; i < 3; ++i)
            addLine(w, QStringLiteral("0001"), QStringLiteral("0001"), 0.125);
        addLine(w, QStringLiteral("0001"), QStringLiteral("0002"), 1);
        addLine(w, QStringLiteral("0001"), QStringLiteral("0002"), 1);
        QVERIFY(RecipeRecompute::one(w, QStringLiteral("0001"), m_today));
        // 124.9999875 + 0.0002 and half of it: 62.49999375 + 0.0001.
        QCOMPARE(Sql::toMoney(value(w, "SELECT \"Netto\" FROM \"ReceptFej\"")).toString(), QStringLiteral("125.0002"));
        QCOMPARE(Sql::toMoney(value(w, "SELECT \"Afa\" FROM \"ReceptFej\"")).toString(), QStringLiteral("62.5001"));
    }

    void recomputeAllCoversEveryRecipeInOneRun_data() { TestEngines::addRows(); }
    void recomputeAllCoversEveryRecipeInOneRun()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addMaterial(w, QStringLiteral("0001"), 10, QStringLiteral("91"), 0, 0, false, false);
        for (const QString &code : {QStringLiteral("0002"), QStringLiteral("0500"), QStringLiteral("9999")}) {
            addRecipe(w, code);
            addLine(w, code, QStringLiteral("0001"), code.toInt());
        }
        // A recipe whose lines are gone gets zero values, not stale ones.
        addRecipe(w, QStringLiteral("0003"));
        exec(w, "UPDATE \"ReceptFej\" SET \"Netto\" = 55, \"Energia\" = 7 WHERE \"EtelKod\" = '0003'");

        QTemporaryDir programDir;
        Settings settings;
        settings.setIniPath(programDir.filePath(QStringLiteral("salvia.ini")));
        settings.setTapValt(true);
        ScriptedMessenger messenger;
        QList<int> steps;
        QVERIFY(RecipeRecompute::allWithNotice(w, settings, messenger, m_today, [&](int done, int total) {
            QCOMPARE(total, 4);
            steps << done;
        }));
        QCOMPARE(steps, (QList<int> {1, 2, 3, 4}));
        QVERIFY(!settings.tapValt());
        QCOMPARE(messenger.progressTexts(),
            QStringList {"Kérem várjon, tápanyagszámítás folyamatban...\rEz nagyon hosszú időt is igénybevehet!"});
        QVERIFY(!messenger.progressVisible());
        QCOMPARE(value(w, "SELECT \"Netto\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '9999'").toDouble(), 99990.0);
        QCOMPARE(value(w, "SELECT \"Energia\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0500'").toDouble(), 5000.0);
        QCOMPARE(value(w, "SELECT \"Netto\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0003'").toDouble(), 0.0);
        QCOMPARE(value(w, "SELECT \"Energia\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0003'").toDouble(), 0.0);
    }

    void deletionLooksAtEveryTableThatNamesTheRecipe_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("usage");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("outcome");
        for (const QString &engine : TestEngines::names()) {
            const int discontinued = int(RecipeDeletion::Outcome::Discontinued);
            const int nothing = int(RecipeDeletion::Outcome::Nothing);
            TestEngines::newRow(engine, "daily menu")
                << "INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") "
                   "VALUES ('2026-03-01', '01', '1000', '0005', 1)"
                << int(MsgResult::Ok) << discontinued;
            TestEngines::newRow(engine, "a-la-carte menu")
                << "INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", \"Mennyiseg\") "
                   "VALUES ('2026-03-01', '01', '1000', '0005', 1)"
                << int(MsgResult::Ok) << discontinued;
            TestEngines::newRow(engine, "a-la-carte prices")
                << "INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Haszonkulcs\", \"Fixar\") "
                   "VALUES ('1000', '0005', 10, 500)"
                << int(MsgResult::Ok) << discontinued;
            TestEngines::newRow(engine, "used, cancelled")
                << "INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") "
                   "VALUES ('2026-03-01', '01', '1000', '0005', 1)"
                << int(MsgResult::Cancel) << nothing;
            // A raw material with the same register number is not the recipe.
            TestEngines::newRow(engine, "material of same number")
                << "INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") "
                   "VALUES ('2026-03-01', '01', '211', '0005', 1)"
                << int(MsgResult::Ok) << int(RecipeDeletion::Outcome::Deleted);
            TestEngines::newRow(engine, "unused, cancelled") << "" << int(MsgResult::Cancel) << nothing;
        }
    }
    void deletionLooksAtEveryTableThatNamesTheRecipe()
    {
        QFETCH(QString, usage);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addRecipe(w, QStringLiteral("0005"));
        addLine(w, QStringLiteral("0005"), QStringLiteral("0001"), 1);
        addLine(w, QStringLiteral("0005"), QStringLiteral("0002"), 1);
        addRecipe(w, QStringLiteral("0006"));
        addLine(w, QStringLiteral("0006"), QStringLiteral("0001"), 1);
        if (!usage.isEmpty())
            exec(w, usage);

        ScriptedMessenger messenger;
        messenger.answer(answer);
        QCOMPARE(int(RecipeDeletion::run(w, messenger, QStringLiteral("0005"), m_today)), outcome);
        QCOMPARE(messenger.shown().size(), 1);
        const bool used = usage.contains(QStringLiteral("'1000'"));
        QCOMPARE(messenger.last().text,
            used ? QStringLiteral("A receptet használja az étlap, így nem törölhető Beállítsam a megszüntetés dátumát?")
                 : QStringLiteral("Valóban törli a receptet?\rAz adat visszavonhatatlanul törlődik!"));
        QCOMPARE(messenger.last().buttons, (QStringList {"Mégse", "OK"}));

        const bool deleted = outcome == int(RecipeDeletion::Outcome::Deleted);
        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"ReceptFej\" WHERE \"EtelKod\" = '0005'"), deleted ? 0 : 1);
        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"Recept\" WHERE \"EtelKod\" = '0005'"), deleted ? 0 : 2);
        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"Recept\" WHERE \"EtelKod\" = '0006'"), 1);
        QCOMPARE(value(w, "SELECT \"EndDat\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0005'").toDate(),
            outcome == int(RecipeDeletion::Outcome::Discontinued) ? m_today : QDate());
    }

    void deletionWithoutRecipeSaysSo_data() { TestEngines::addRows(); }
    void deletionWithoutRecipeSaysSo()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        ScriptedMessenger messenger;
        QCOMPARE(RecipeDeletion::run(db.warehouse(1), messenger, QString(), m_today), RecipeDeletion::Outcome::Nothing);
        QCOMPARE(messenger.texts(), QStringList {"Nincs kiválasztott adatsor!"});
    }

    void copyTakesHeaderValuesAndLines_data() { TestEngines::addRows(); }
    void copyTakesHeaderValuesAndLines()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addRecipe(w, QStringLiteral("0001"), QString(48, QLatin1Char('x')));
        exec(w,
            "UPDATE \"ReceptFej\" SET \"Netto\" = 12.5, \"Afa\" = 3.375, \"Energia\" = 800, \"HCukor\" = 4, \"EndDat\" "
            "= '2026-01-01', "
            "\"UseDat\" = '2026-02-01'");
        addLine(w, QStringLiteral("0001"), QStringLiteral("0001"), 1.25);
        addLine(w, QStringLiteral("0001"), QStringLiteral("0002"), 3);

        const Checked<QString> copied
            = RecipeCopy::copy(w, QStringLiteral("0001"), QStringLiteral("2"), QStringLiteral("Új leírás"), m_today);
        QVERIFY2(copied.ok(), qPrintable(copied.refusal.text));
        QCOMPARE(copied.value, QStringLiteral("0002"));
        // The name field holds 50 characters: the name is cut so that the mark stays whole.
        QCOMPARE(value(w, "SELECT \"Megnevezes\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0002'").toString(),
            QString(42, QLatin1Char('x')) + QStringLiteral("-Másolat"));
        const auto copiedValue = [&w](const char *field) {
            return value(w,
                QStringLiteral("SELECT \"%1\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0002'")
                    .arg(QLatin1String(field)));
        };
        QCOMPARE(Sql::toMoney(copiedValue("Netto")), *Money::fromText(QStringLiteral("12.5")));
        QCOMPARE(Sql::toMoney(copiedValue("Afa")), *Money::fromText(QStringLiteral("3.375")));
        QCOMPARE(copiedValue("Energia").toDouble(), 800.0);
        QCOMPARE(copiedValue("HCukor").toDouble(), 4.0);
        QCOMPARE(copiedValue("Enorma").toString(), QStringLiteral("01"));
        QCOMPARE(copiedValue("Leiras").toString(), QStringLiteral("Új leírás"));
        QCOMPARE(value(w, "SELECT \"LetrDat\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0002'").toDate(), m_today);
        QVERIFY(value(w, "SELECT \"EndDat\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0002'").isNull());
        QCOMPARE(count(w,
                     "SELECT COUNT(*) FROM \"Recept\" WHERE \"EtelKod\" = '0002' AND ((\"NyilvSzam\" = '0001' AND "
                     "\"Mennyiseg\" = 1.25) "
                     "OR (\"NyilvSzam\" = '0002' AND \"Mennyiseg\" = 3))"),
            2);
    }

    void copyRefusesUnusableCode_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("typed");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "taken") << "1";
            TestEngines::newRow(engine, "not a number") << "x";
            TestEngines::newRow(engine, "too long") << "12345";
            TestEngines::newRow(engine, "empty") << "";
        }
    }
    void copyRefusesUnusableCode()
    {
        QFETCH(QString, typed);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        addRecipe(w, QStringLiteral("0001"));
        addLine(w, QStringLiteral("0001"), QStringLiteral("0001"), 1);
        const Checked<QString> copied = RecipeCopy::copy(w, QStringLiteral("0001"), typed, QString(), m_today);
        QCOMPARE(copied.refusal.text, QStringLiteral("Nem generálható új azonosító!\rA másolás nem hajtható végre."));
        QCOMPARE(copied.refusal.caption, QStringLiteral("HIBA!"));
        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"ReceptFej\""), 1);
        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"Recept\""), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecipes)
#include "tst_recipes.moc"
