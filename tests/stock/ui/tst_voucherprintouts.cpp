#include "core/ScriptedMessenger.h"
#include "stock/ui/qrpBevbiz.h"
#include "stock/ui/qrpKibiz.h"
#include "session/Settings.h"
#include "support/PrintedPages.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace PrintedPages;

// The receipt and issue voucher printouts laid out into pages.
class TestVoucherPrintouts : public QObject
{
    Q_OBJECT

    static QDate day(int month, int dayOfMonth) { return QDate(2025, month, dayOfMonth); }

    // The texts of one printed line: every text item whose top lies at the line's top.
    static QStringList lineOf(const PreparedReport &pages, int page, const QString &text)
    {
        const QList<PageItem> items = textItems(pages, page);
        const PageItem anchor = find(pages, page, text);
        QStringList line;
        for (const PageItem &item : items) {
            if (anchor.kind == PageItem::Text && qAbs(item.y - anchor.y) < 1.0)
                line << item.text;
        }
        return line;
    }

    QTemporaryDir m_dir;
    Settings m_settings;
    ScriptedMessenger m_messenger;
    std::unique_ptr<TempDatabase> m_db;

private slots:
    void initTestCase()
    {
        m_settings.setIniPath(m_dir.filePath(QStringLiteral("salvia.ini")));
        m_settings.setCegNev(QStringLiteral("Napsugár Óvoda"));
        m_settings.setCegIrsz(QStringLiteral("1234"));
        m_settings.setCegVaros(QStringLiteral("Budapest"));
        m_settings.setCegCim(QStringLiteral("Fő utca 1."));
        m_settings.setLoginUser(QStringLiteral("kovacs"));
        m_settings.setSecurName(QStringLiteral("Teljes"));
        m_settings.setAktivRaktarNev(QStringLiteral("Központi konyha"));
        m_settings.setIsPrinter(1);
        m_db = std::make_unique<TempDatabase>(QDate(2025, 6, 1));
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        StockFixture::addExampleVouchers(m_db->warehouse(1));
    }
    void init() { m_messenger = ScriptedMessenger(); }

    void receiptVoucherListShowsEachVoucherAndTheTotals()
    {
        const VoucherPrintRows rows = VoucherPrintRows::ofList(m_db->warehouse(1), {"BE", day(1, 1), day(1, 31)});
        TqrpBevbiz printout(m_settings, m_messenger, rows, day(1, 1), day(1, 31));
        printout.report().setPrintTime(QDateTime(day(2, 1), QTime(9, 30)));
        const PreparedReport pages = printout.prepare();
        QCOMPARE(pages.pages.size(), 1);
        const QStringList all = texts(pages, 0);

        QCOMPARE(all.mid(0, 7),
            (QStringList {"Bevételi bizonylat", "Oldal:", "1", "2025.02.01. 09:30:00",
                "Tulajdonos: [ Napsugár Óvoda ] - 1234 Budapest, Fő utca 1.", "Felhasználó: kovacs, Teljes",
                "Központi konyha"}));
        QCOMPARE(all.at(7), "Dátumtartomány: 2025.01.01.-2025.01.31.");
        QCOMPARE(lineOf(pages, 0, "Anyag neve"),
            (QStringList {"Fksz. Nysz.", "Anyag neve", "Nyilv. ár", "Nettó ár", "ÁFA érték    %", "Bruttó ár",
                "Tétel me.", "Készlet me.", "Mért."}));

        // Two vouchers with the same sum of number, month and day stay two vouchers.
        QCOMPARE(lineOf(pages, 0, "1."),
            (QStringList {"1.", "Biz. szám:", "00000010", "Dátum:", "2025.01.02.", "Mozgásnem:",
                "01 Bevételezés szállítótól", "Gabona Kft.", "2025/00010"}));
        QCOMPARE(lineOf(pages, 0, "2."),
            (QStringList {"2.", "Biz. szám:", "00000009", "Dátum:", "2025.01.03.", "Mozgásnem:",
                "02 Egyéb bevételezés", "Tejüzem Zrt.", "2025/00009"}));
        QCOMPARE(lineOf(pages, 0, "Liszt"),
            (QStringList {"100", "0001", "Liszt", "400,00", "0,10", "0,03", "27 %", "0,13", "2,5", "7,125", "KG"}));
        QCOMPARE(lineOf(pages, 0, "Tej"),
            (QStringList {"200", "0001", "Tej", "400,00", "200,00", "10,00", "5 %", "210,00", "2,5", "7,125", "KG"}));
        QCOMPARE(lineOf(pages, 0, "Nettó: 1 000,10 Ft"),
            (QStringList {"Összesítés:", "Nettó: 1 000,10 Ft", "ÁFA: 270,03 Ft", "Bruttó: 1 270,13 Ft",
                "Tételek száma: 2"}));
        QCOMPARE(lineOf(pages, 0, "Nettó: 200,00 Ft"),
            (QStringList {"Összesítés:", "Nettó: 200,00 Ft", "ÁFA: 10,00 Ft", "Bruttó: 210,00 Ft", "Tételek száma: 1"}));
        QCOMPARE(lineOf(pages, 0, "Összesen:"),
            (QStringList {"Összesen:", "Nettó összes: 1 250,10 Ft", "ÁFA összes: 293,53 Ft",
                "Bruttó összes: 1 543,63 Ft"}));
        QCOMPARE(lineOf(pages, 0, "Tételek száma:"), (QStringList {"Tételek száma:", "4"}));
        QCOMPARE(all.last(), "Az anyagokat bevételezte: .......................................................");
        // The receipt voucher has no signature footer, so nothing is asked.
        QVERIFY(m_messenger.shown().isEmpty());
    }

    void issueVoucherOfOneDayEndsWithTheSignatureFooter()
    {
        m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), true);
        const VoucherPrintRows rows = VoucherPrintRows::ofVoucher(m_db->warehouse(1), "KI", "00000010", day(1, 2));
        TqrpKibiz printout(m_settings, m_messenger, rows, day(1, 2));
        m_messenger.answer(MsgResult::Yes);
        const PreparedReport pages = printout.prepare();
        QCOMPARE(pages.pages.size(), 1);
        const QStringList all = texts(pages, 0);
        QCOMPARE(all.at(0), "Kiadási bizonylat");
        QVERIFY(all.contains("Dátumtartomány: 2025.01.02."));
        QVERIFY(all.contains("ÁFA érték   %"));
        QCOMPARE(lineOf(pages, 0, "1."),
            (QStringList {"1.", "Biz. szám:", "00000010", "Dátum:", "2025.01.02.", "Mozgásnem:", "03 Kiadás",
                "Teszt Konyha Kft.", "2025/00010"}));
        QCOMPARE(lineOf(pages, 0, "Összesen:"),
            (QStringList {"Összesen:", "Nettó összes: 40,00 Ft", "ÁFA összes: 10,80 Ft", "Bruttó összes: 50,80 Ft"}));
        QVERIFY(!all.contains("Az anyagokat bevételezte: ......................................................."));
        QCOMPARE(m_messenger.texts(), QStringList {"Szeretné a láblécet is rányomtatni?"});
        QCOMPARE(all.count("........................................"), 4);
        QVERIFY(all.contains("Raktárnok"));
    }

    void emptyVoucherStillPrintsItsFrame()
    {
        const VoucherPrintRows rows = VoucherPrintRows::ofVoucher(m_db->warehouse(1), "BE", "00000099", day(1, 2));
        TqrpBevbiz printout(m_settings, m_messenger, rows, day(1, 2));
        const PreparedReport pages = printout.prepare();
        QCOMPARE(pages.pages.size(), 1);
        QCOMPARE(lineOf(pages, 0, "Összesen:"),
            (QStringList {"Összesen:", "Nettó összes: 0,00 Ft", "ÁFA összes: 0,00 Ft", "Bruttó összes: 0,00 Ft"}));
    }

    // 40 vouchers of three items (28.5 mm each under a 35 mm page header and captions) take five
    // pages: every page starts with the page header and the column captions, the vouchers are numbered on across the pages, no voucher line is lost and
    // the totals come once, at the end.
    void longListRunsOverPages()
    {
        TempDatabase db(QDate(2025, 6, 1));
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        const QSqlDatabase wh = db.warehouse(1);
        StockFixture::addMaterial(wh, "100", "0001", "Liszt");
        QSqlDatabase(wh).transaction();
        for (int voucher = 1; voucher <= 40; ++voucher) {
            const QString number = QStringLiteral("%1").arg(voucher, 8, 10, QLatin1Char('0'));
            for (int item = 0; item < 3; ++item)
                StockFixture::addRow(wh,
                    StockFixture::voucherItem("BE", "01", number, day(3, 1 + voucher % 28), "100", "0001", "00000",
                        "01", "10.01", "2.7", "12.71"));
        }
        QSqlDatabase(wh).commit();
        const VoucherPrintRows rows = VoucherPrintRows::ofList(wh, {"BE", day(3, 1), day(3, 31)});
        TqrpBevbiz printout(m_settings, m_messenger, rows, day(3, 1), day(3, 31));
        const PreparedReport pages = printout.prepare();

        QCOMPARE(pages.pages.size(), 5);
        for (int page = 0; page < pages.pages.size(); ++page) {
            const QStringList lines = texts(pages, page);
            QCOMPARE(lines.at(0), "Bevételi bizonylat");
            QCOMPARE(lines.at(2), QString::number(page + 1));
            QCOMPARE(lines.at(7), "Dátumtartomány: 2025.03.01.-2025.03.31.");
            QCOMPARE(lines.at(8), "Fksz. Nysz.");
        }
        const QStringList all = allTexts(pages);
        for (int voucher = 1; voucher <= 40; ++voucher)
            QCOMPARE(all.count(QString::number(voucher) + '.'), 1);
        QCOMPARE(pageOf(pages, "40."), 4);
        QCOMPARE(all.count("Liszt"), 120);
        QCOMPARE(all.count("Bruttó: 38,13 Ft"), 40);
        QCOMPARE(all.count("Összesen:"), 1);
        QCOMPARE(pageOf(pages, "Bruttó összes: 1 525,20 Ft"), 4);
    }
};

QTEST_MAIN(TestVoucherPrintouts)
#include "tst_voucherprintouts.moc"
