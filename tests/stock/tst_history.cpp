#include "core/Rounding.h"
#include "stock/StockAtDate.h"
#include "store/Sql.h"
#include "support/StockHistory.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <algorithm>

// Long random histories through the stock engine, checked against a recomputation made here from
// the stored rows alone: every row's running balance and price, every material's stock fields and
// register price, and the stock at a date. Also two processes on one warehouse at once.
class TestHistory : public QObject
{
    Q_OBJECT

    struct Row
    {
        qint64 id = 0;
        QString bk, mozgnem;
        QDate datum;
        bool stat = false;
        double quantity = 0, stockQuantity = 0;
        qint64 value = 0, stockValue = 0, kiAr = 0; // ten-thousandths
    };

    static qint64 units(const QVariant &value) { return qRound64(value.toDouble() * 10000); }
    // Quantities have at most three decimals: counted in thousandths they are exact.
    static qint64 thousandths(double quantity) { return qRound64(quantity * 1000); }

    static qint64 divideHalfEven(__int128 numerator, __int128 denominator)
    {
        if (denominator < 0)
            numerator = -numerator, denominator = -denominator;
        __int128 quotient = numerator / denominator;
        const __int128 remainder = numerator % denominator;
        const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
        if (twice > denominator || (twice == denominator && quotient % 2 != 0))
            quotient += numerator < 0 ? -1 : 1;
        return qint64(quotient);
    }

    // A value over a quantity, to four decimals halves to even; 0 without a quantity.
    static qint64 average(qint64 value, double quantity)
    {
        const qint64 count = thousandths(quantity);
        return count == 0 ? 0 : divideHalfEven(__int128(value) * 1000, count);
    }

    static int rank(const Row &row)
    {
        if (row.mozgnem == "00")
            return 0;
        return row.bk == "BE" ? 1 : 2;
    }

    // Recomputes every material of the history from its stored rows alone, as a bookkeeper would:
    // receipts add their value (an opening row sets the balance); an issue takes its quantity at
    // the average price before it, to four decimals halves to even, and the issue that empties the
    // stock takes the value left. With typed issue values the stored value of an issue is taken as
    // it stands, but it must be a value (an issue is never worth -1 or less). Checks every row's
    // balance and average price, every material's stock fields and its register price (that of
    // its last row, 0 without rows).
    static void verify(QSqlDatabase db, bool kiadAr)
    {
        QCOMPARE(countOf(db,
                     "SELECT COUNT(*) FROM \"Raktar\" WHERE \"KeszletErtek\" = -101010 OR \"KeszletMenny\" = -101010 "
                     "OR \"KiAr\" = -101010 OR \"BeAr\" = -101010 OR \"AfaErtek\" = -101010 OR \"Brutto\" = -101010"),
            0);
        QSqlQuery materials(db);
        QVERIFY(materials.exec("SELECT \"NyilvSzam\", \"Kerekites\", \"KeszletMennyiseg\", \"KeszletErtek\", "
                               "\"NyilvAr\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = '900'"));
        int checkedRows = 0;
        while (materials.next()) {
            const QString nyilv = materials.value(0).toString();
            const int decimals = materials.value(1).toInt();
            QSqlQuery query(db);
            query.prepare("SELECT \"RaktAzon\", \"BK\", \"Mozgnem\", \"Datum\", \"TetelMenny\", \"TetelErtek\", "
                          "\"KeszletMenny\", \"KeszletErtek\", \"KiAr\", \"Stat\" "
                          "FROM \"Raktar\" WHERE \"FokSzla\" = '900' AND \"NyilvSzam\" = ?");
            query.addBindValue(nyilv);
            QVERIFY(query.exec());
            QList<Row> rows;
            while (query.next()) {
                Row row;
                row.id = query.value(0).toLongLong();
                row.bk = query.value(1).toString();
                row.mozgnem = query.value(2).toString();
                row.datum = QDate::fromString(query.value(3).toString().left(10), Qt::ISODate);
                row.quantity = query.value(4).toDouble();
                row.value = units(query.value(5));
                row.stockQuantity = query.value(6).toDouble();
                row.stockValue = units(query.value(7));
                row.kiAr = units(query.value(8));
                row.stat = Sql::toFlag(query.value(9));
                rows << row;
            }
            std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
                if (a.datum != b.datum)
                    return a.datum < b.datum;
                if (rank(a) != rank(b))
                    return rank(a) < rank(b);
                return a.id < b.id;
            });
            double quantity = 0;
            qint64 value = 0;
            qint64 price = 0;
            for (const Row &row : rows) {
                const QString where = QString("row %1: ").arg(row.id);
                if (row.mozgnem == "00" && row.bk == "BE") {
                    quantity = Rounding::round(row.quantity, decimals);
                    value = row.value;
                    price = average(value, quantity);
                } else if (row.bk == "BE") {
                    quantity = Rounding::round(quantity + row.quantity, decimals);
                    value += row.value;
                    price = average(value, quantity);
                } else {
                    price = quantity > 0 ? average(value, quantity) : 0;
                    quantity = Rounding::round(quantity - row.quantity, decimals);
                    qint64 amount = divideHalfEven(__int128(price) * thousandths(row.quantity), 1000);
                    if (quantity == 0)
                        amount = value;
                    if (kiadAr) {
                        QVERIFY2(row.value > -10000, qPrintable(where + QString("issue worth %1").arg(row.value)));
                        amount = row.value;
                    } else {
                        QVERIFY2(row.value == amount,
                            qPrintable(where + QString("issue value %1, recomputed %2").arg(row.value).arg(amount)));
                    }
                    value = quantity == 0 ? 0 : value - amount;
                }
                QVERIFY2(quantity >= 0, qPrintable(where + "drives the stock negative"));
                QVERIFY2(qFuzzyCompare(1 + row.stockQuantity, 1 + quantity),
                    qPrintable(where + QString("stored %1, recomputed %2").arg(row.stockQuantity).arg(quantity)));
                QVERIFY2(row.stockValue == value,
                    qPrintable(where + QString("stored value %1, recomputed %2").arg(row.stockValue).arg(value)));
                QVERIFY2(row.kiAr == price,
                    qPrintable(where + QString("stored price %1, recomputed %2").arg(row.kiAr).arg(price)));
                ++checkedRows;
            }
            QVERIFY2(qFuzzyCompare(1 + materials.value(2).toDouble(), 1 + quantity), qPrintable(nyilv));
            QCOMPARE(units(materials.value(3)), value);
            QVERIFY2(units(materials.value(4)) == price,
                qPrintable(
                    nyilv + QString(": register price %1, last row's %2").arg(units(materials.value(4))).arg(price)));
        }
        QVERIFY(checkedRows > 100);
    }

    static int countOf(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
    }

    // The stock at the end of each month of the first year equals the running balance of the last
    // row on or before it (no opening row lies in that year).
    static void verifyStockAtDate(QSqlDatabase db, int year)
    {
        for (int month = 1; month <= 12; ++month) {
            const QDate date = QDate(year, month, 1).addMonths(1).addDays(-1);
            QString error;
            const QList<StockLine> lines = StockAtDate(db).compute(date, year, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            for (const StockLine &line : lines) {
                if (line.fokSzam != "900")
                    continue;
                QSqlQuery last(db);
                last.prepare("SELECT \"KeszletMenny\", \"KeszletErtek\" FROM \"Raktar\" WHERE \"FokSzla\" = '900' AND "
                             "\"NyilvSzam\" = ? "
                             "AND \"Datum\" <= ? ORDER BY \"Datum\" DESC, CASE WHEN \"Mozgnem\" = '00' THEN 0 WHEN "
                             "\"BK\" = 'BE' "
                             "THEN 1 ELSE 2 END DESC, \"RaktAzon\" DESC LIMIT 1");
                last.addBindValue(line.nyilvSzam);
                last.addBindValue(Sql::date(date));
                QVERIFY(last.exec());
                const double quantity = last.next() ? Rounding::round(last.value(0).toDouble(), 3) : 0;
                const qint64 value = quantity > 0 ? units(last.value(1)) : 0;
                QVERIFY2(qFuzzyCompare(1 + line.keszletMenny, 1 + quantity),
                    qPrintable(line.nyilvSzam + date.toString(Qt::ISODate)));
                QCOMPARE(line.keszletErtek.units(), value);
            }
        }
    }

private slots:
    void history_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<bool>("kiadAr");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "issues at the average price") << false;
            TestEngines::newRow(engine, "typed issue values") << true;
        }
    }

    void history()
    {
        QFETCH(QString, engine);
        QFETCH(bool, kiadAr);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        StockHistory history(db.warehouse(1), kiadAr ? 7 : 11, kiadAr);
        const StockHistory::Result result = history.run(kiadAr ? 2000 : 2500);
        QVERIFY2(!result.failed, qPrintable(result.error));
        qInfo().noquote() << result.line();
        QVERIFY(result.done > result.operations / 3);
        QVERIFY(result.refused > 0);
        verify(db.warehouse(1), kiadAr);
        // Days of use issued ration sheets through the same engine.
        QVERIFY(countOf(db.warehouse(1), "SELECT COUNT(*) FROM \"Raktar\" WHERE \"Stat\" = TRUE") > 0);
        // A-la-carte days issued their sheets as "08" vouchers, and locked exactly their rows.
        QVERIFY(countOf(db.warehouse(1), "SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '08'") > 0);
        QVERIFY(countOf(db.warehouse(1), "SELECT COUNT(*) FROM \"CartEtlap\" WHERE \"NettoAnyag\" = 0") > 0);
        if (!kiadAr)
            verifyStockAtDate(db.warehouse(1), 2025);
    }

    // The history's tables in the order the rows were written, without their ids, each value in
    // one text form on both engines.
    static QStringList tables(QSqlDatabase db)
    {
        enum Kind { Text, Date, Real, Amount, Flag };
        const QList<QPair<QString, QList<Kind>>> reads {
            {"SELECT \"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", \"FokSzla\", \"NyilvSzam\", "
             "\"PartAzon\", \"AfaKod\", \"TetelMenny\", \"BeAr\", \"KiAr\", \"TetelErtek\", \"AfaErtek\", "
             "\"Brutto\", \"KeszletMenny\", \"KeszletErtek\", \"Lejarat\", \"Stat\" FROM \"Raktar\" "
             "ORDER BY \"RaktAzon\"",
                {Text, Text, Text, Date, Text, Text, Text, Text, Text, Real, Amount, Amount, Amount, Amount, Amount,
                    Real, Amount, Date, Flag}},
            {"SELECT \"NyilvSzam\", \"KeszletMennyiseg\", \"KeszletErtek\", \"NyilvAr\" FROM \"Anyag\" "
             "ORDER BY \"FokonyviSzam\", \"NyilvSzam\"",
                {Text, Real, Amount, Amount}},
            {"SELECT \"Ev\", \"Sorsz\" FROM \"Sorszam\" ORDER BY \"Ev\"", {Text, Text}},
            {"SELECT \"Datum\", \"EtkKod\", \"Megnevezes\", \"NyilvSzam\", \"Mennyiseg\", \"BizSzam\" "
             "FROM \"Kiszabat\" ORDER BY \"Datum\", \"EtkKod\", \"Megnevezes\", \"NyilvSzam\", \"Mennyiseg\"",
                {Date, Text, Text, Text, Real, Text}},
        };
        QStringList lines;
        for (const auto &[sql, kinds] : reads) {
            QSqlQuery query(db);
            if (!query.exec(sql))
                return {query.lastError().text()};
            while (query.next()) {
                QStringList fields;
                for (int i = 0; i < kinds.size(); ++i) {
                    const QVariant value = query.value(i);
                    switch (kinds.at(i)) {
                    case Text: fields << value.toString(); break;
                    case Date: fields << Sql::toDate(value).toString(Qt::ISODate); break;
                    case Real: fields << QString::number(value.toDouble(), 'g', 15); break;
                    case Amount: fields << Sql::toMoney(value).toString(); break;
                    case Flag: fields << QString::number(Sql::toFlag(value)); break;
                    }
                }
                lines << fields.join('|');
            }
        }
        return lines;
    }

    // One seed gives the same operations, refusals and final tables on SQLite and on the server.
    void oneSeedGivesTheSameTablesOnBothEngines()
    {
        if (!TestEngines::names().contains(TestEngines::postgresql()))
            QSKIP("no server (SALVIA_TEST_PG)");
        QList<QStringList> ends;
        QStringList lines;
        for (const QString &engine : {TestEngines::sqlite(), TestEngines::postgresql()}) {
            TempDatabase db(QDate(2025, 6, 1), engine);
            QVERIFY2(db.isValid(), qPrintable(db.errorText()));
            const StockHistory::Result result = StockHistory(db.warehouse(1), 5, false).run(600);
            QVERIFY2(!result.failed, qPrintable(result.error));
            lines << QStringLiteral("operations %1 done %2 refused %3").arg(result.operations).arg(result.done).arg(result.refused);
            ends << tables(db.warehouse(1));
        }
        QCOMPARE(lines.at(1), lines.at(0));
        QCOMPARE(ends.at(1).size(), ends.at(0).size());
        for (qsizetype i = 0; i < ends.at(0).size(); ++i)
            QCOMPARE(ends.at(1).at(i), ends.at(0).at(i));
    }

    // Two copies of the program record into one warehouse at once: each waits for the other's write,
    // none fails, and the balances hold.
    void twoProcessesAtOnce_data() { TestEngines::addRows(); }
    void twoProcessesAtOnce()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QList<QProcess *> processes;
        for (int seed : {21, 22}) {
            auto *process = new QProcess(this);
            process->start(
                QCoreApplication::applicationFilePath(), {"--history", db.path(), "1", "600", QString::number(seed)});
            processes << process;
        }
        for (QProcess *process : processes) {
            QVERIFY(process->waitForFinished(600000));
            const QString output = QString::fromUtf8(process->readAllStandardOutput());
            QVERIFY2(process->exitCode() == 0, qPrintable(output + process->readAllStandardError()));
            QVERIFY2(output.startsWith("operations 600 done "), qPrintable(output));
        }
        verify(db.warehouse(1), false);
    }
};

int main(int argc, char *argv[])
{
    // Started as the driver by twoProcessesAtOnce().
    if (argc > 1 && QByteArray(argv[1]) == "--history") {
        QCoreApplication app(argc, argv);
        return StockHistory::main(app.arguments().mid(2));
    }
    QCoreApplication app(argc, argv);
    TestHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_history.moc"
