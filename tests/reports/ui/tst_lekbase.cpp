#include "session/Settings.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedMessenger.h"
#include "reports/SqlReportQuery.h"
#include "session/Services.h"
#include "printing/ui/ListReport.h"
#include "printing/ModelReportData.h"
#include "reports/ReportPeriod.h"
#include "reports/ui/frmLekBase.h"
#include "store/Database.h"
#include "support/PrintedPages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The movement rows of the period, read as a real report's query reads them; `duringRun` sees the
// screen while the rows are being read.
class ProbaQuery : public SqlReportQuery
{
public:
    ProbaQuery(const Settings &settings, std::function<void()> duringRun)
        : SqlReportQuery(Database::warehouse(settings.dbPath(), settings.aktivRaktar()),
            QStringLiteral("SELECT BizSzam, Datum, TetelErtek FROM Raktar WHERE Datum BETWEEN ? AND ? "
                           "ORDER BY Datum, BizSzam"),
            [](const ReportParameters &parameters) {
                return QVariantList {
                    parameters.from.toString(Qt::ISODate), parameters.to.toString(Qt::ISODate)};
            },
            [](const SqlReportQuery &query) { return QStringLiteral("Sorok: %1").arg(query.rowCount()); })
        , m_duringRun(std::move(duringRun))
    {
    }

    Refusal run(const ReportParameters &parameters) override
    {
        m_duringRun();
        return SqlReportQuery::run(parameters);
    }

private:
    std::function<void()> m_duringRun;
};

// A report screen over that query, as a real report screen would be built.
class TfrmLekProba : public TfrmLekBase
{
public:
    TfrmLekProba(const Services &services, Dates dates)
        : TfrmLekBase(services, dates, std::make_unique<ProbaQuery>(services.settings, [this] {
            progressDuringRun = m_scripted.progressVisible() && DBGrid1->model() != rows();
        }))
        , m_scripted(static_cast<ScriptedMessenger &>(services.messenger))
    {
        setWindowTitle(QStringLiteral("Próba lista"));
    }

    bool progressDuringRun = false;
    QAbstractItemModel *rows() const { return query().rows(); }

protected:
    std::unique_ptr<Printout> createPrintout() override
    {
        auto printout = std::make_unique<Printout>(m_settings, m_messenger);
        m_data = std::make_unique<ModelReportData>(rows());
        ListReport::build(*printout, QStringLiteral("Próba lista"),
            {{QStringLiteral("Biz. szám"), QStringLiteral("BizSzam"), 30},
                {QStringLiteral("Dátum"), QStringLiteral("Datum"), 30, Qt::AlignLeft, {}, QStringLiteral("yyyy.MM.dd")},
                {QStringLiteral("Érték"), QStringLiteral("TetelErtek"), 40, Qt::AlignRight,
                    QStringLiteral("###,###,##0.00 "), {}, true}},
            m_data.get());
        return printout;
    }
    QString helpPage() const override { return QStringLiteral("lekproba.htm"); }
    QString exportFileName() const override { return QStringLiteral("Proba.csv"); }

private:
    ScriptedMessenger &m_scripted;
    std::unique_ptr<ModelReportData> m_data;
};

} // namespace

class TestReportsLekBase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void periodOfAYear_data();
    void periodOfAYear();
    void yearListFromWorkYears();
    void choosingAYearNeverClampsTheDates();
    void singleDateAndWorkYearScreens();
    void yearOnlyAndStartDateOnlyScreens();
    void printWithoutRowsWhereTheReportSaysSo();
    void runShowsRowsUnderTheProgressNotice();
    void failedRunReportsTheDatabaseError();
    void printChecksPrinterAndPreviews();
    void exportWritesTheGridRows();
    void helpOpensTheScreensPage();
    void wheelMovesTheGridCursorByOneRow();

private:
    void setWorkYears(const QList<QPair<QString, bool>> &rows);

    QTemporaryDir m_dir;
    Settings m_settings;
    ScriptedMessenger m_messenger;
    ScriptedFilePrompt m_prompt;
    ScriptedDatePrompt m_dates;
    Services services() { return {m_settings, m_messenger, m_prompt, m_dates}; }
};

void TestReportsLekBase::initTestCase()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("db/Raktar_1")));
    m_settings.setIniPath(m_dir.filePath(QStringLiteral("salvia.ini")));
    m_settings.setProgramPath(m_dir.path());
    m_settings.setDbPath(m_dir.filePath(QStringLiteral("db")));
    m_settings.setAktivRaktar(1);
    m_settings.setAktivRaktarNev(QStringLiteral("Főkonyha"));
    m_settings.setMunkaEv(QStringLiteral("2005"));
    m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
    QSqlQuery query(Database::warehouse(m_settings.dbPath(), 1));
    QVERIFY(query.exec(QStringLiteral("CREATE TABLE Munkaev (MunkaEv TEXT, AktivEv INTEGER)")));
    QVERIFY(query.exec(QStringLiteral("CREATE TABLE Raktar (BizSzam TEXT, Datum TEXT, TetelErtek REAL)")));
    for (int i = 0; i < 30; ++i) {
        QVERIFY(query.prepare(QStringLiteral("INSERT INTO Raktar VALUES (?, ?, ?)")));
        query.addBindValue(QStringLiteral("%1").arg(i + 1, 8, 10, QLatin1Char('0')));
        query.addBindValue(QDate(2005, 3, 1).addDays(i).toString(Qt::ISODate));
        query.addBindValue(1000.5 + i);
        QVERIFY(query.exec());
    }
}

void TestReportsLekBase::init()
{
    m_messenger = ScriptedMessenger();
    m_prompt = ScriptedFilePrompt();
    setWorkYears({{QStringLiteral("2004"), false}, {QStringLiteral("2005"), true}});
}

void TestReportsLekBase::setWorkYears(const QList<QPair<QString, bool>> &rows)
{
    QSqlQuery query(Database::warehouse(m_settings.dbPath(), 1));
    QVERIFY(query.exec(QStringLiteral("DELETE FROM Munkaev")));
    for (const auto &[year, active] : rows) {
        QVERIFY(query.prepare(QStringLiteral("INSERT INTO Munkaev VALUES (?, ?)")));
        query.addBindValue(year);
        query.addBindValue(active ? 1 : 0);
        QVERIFY(query.exec());
    }
}

void TestReportsLekBase::periodOfAYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QDate>("single");

    QTest::newRow("past year") << 2005 << QDate(2007, 6, 1) << QDate(2005, 12, 31) << QDate(2005, 1, 1);
    QTest::newRow("current year") << 2007 << QDate(2007, 6, 1) << QDate(2007, 6, 1) << QDate(2007, 6, 1);
    QTest::newRow("next year") << 2008 << QDate(2007, 6, 1) << QDate(2008, 12, 31) << QDate(2008, 1, 1);
    QTest::newRow("current year, new year's day")
        << 2007 << QDate(2007, 1, 1) << QDate(2007, 1, 1) << QDate(2007, 1, 1);
}

void TestReportsLekBase::periodOfAYear()
{
    QFETCH(int, year);
    QFETCH(QDate, today);
    QFETCH(QDate, to);
    QFETCH(QDate, single);

    const ReportPeriod::Period period = ReportPeriod::periodFor(year, today);
    QCOMPARE(period.from, QDate(year, 1, 1));
    QCOMPARE(period.to, to);
    QCOMPARE(period.minimum, QDate(year, 1, 1));
    QCOMPARE(period.maximum, QDate(year, 12, 31));
    const ReportPeriod::Period date = ReportPeriod::singleDateFor(year, today);
    QCOMPARE(date.from, single);
    QCOMPARE(date.minimum, QDate(year, 1, 1));
}

void TestReportsLekBase::yearListFromWorkYears()
{
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    QCOMPARE(screen.cmbEv->count(), 3);
    QCOMPARE(screen.cmbEv->itemText(0), QStringLiteral("2004"));
    QCOMPARE(screen.cmbEv->itemText(2), QStringLiteral("2006"));
    QCOMPARE(screen.cmbEv->currentText(), QStringLiteral("2005"));
    QCOMPARE(screen.dtpDatumtol->date(), QDate(2005, 1, 1));
    QCOMPARE(screen.dtpDatumig->date(), QDate(2005, 12, 31));
    QCOMPARE(screen.dtpDatumig->maximumDate(), QDate(2005, 12, 31));
    QCOMPARE(screen.dtpDatumtol->minimumDate(), QDate(2005, 1, 1));

    screen.cmbEv->setCurrentText(QStringLiteral("2006"));
    QCOMPARE(screen.dtpDatumtol->date(), QDate(2006, 1, 1));
    QCOMPARE(screen.dtpDatumig->date(), QDate(2006, 12, 31));

    // A list that reaches the current year ends its period today.
    const int current = QDate::currentDate().year();
    setWorkYears({{QString::number(current - 1), true}});
    TfrmLekProba now(services(), TfrmLekBase::Dates::YearPeriod);
    QCOMPARE(now.cmbEv->count(), 2);
    now.cmbEv->setCurrentIndex(1);
    QCOMPARE(now.dtpDatumtol->date(), QDate(current, 1, 1));
    QCOMPARE(now.dtpDatumig->date(), QDate::currentDate());
    QCOMPARE(now.dtpDatumig->maximumDate(), QDate(current, 12, 31));
}

void TestReportsLekBase::choosingAYearNeverClampsTheDates()
{
    setWorkYears({{QStringLiteral("2001"), false}, {QStringLiteral("2004"), true}, {QStringLiteral("2010"), false}});
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    QCOMPARE(screen.cmbEv->currentText(), QStringLiteral("2004"));
    for (const QString year :
        {QStringLiteral("2011"), QStringLiteral("2001"), QStringLiteral("2010"), QStringLiteral("2004")}) {
        screen.cmbEv->setCurrentText(year);
        QCOMPARE(screen.dtpDatumtol->date(), QDate(year.toInt(), 1, 1));
        QCOMPARE(screen.dtpDatumig->date(), QDate(year.toInt(), 12, 31));
    }
    QVERIFY(m_messenger.shown().isEmpty());
}

void TestReportsLekBase::singleDateAndWorkYearScreens()
{
    TfrmLekProba single(services(), TfrmLekBase::Dates::YearDate);
    QVERIFY(single.dtpDatum);
    QVERIFY(!single.dtpDatumtol);
    QCOMPARE(single.dtpDatum->date(), QDate(2005, 1, 1));
    QCOMPARE(single.dtpDatum->minimumDate(), QDate(2005, 1, 1));
    single.cmbEv->setCurrentText(QStringLiteral("2004"));
    QCOMPARE(single.dtpDatum->date(), QDate(2004, 1, 1));

    TfrmLekProba workYear(services(), TfrmLekBase::Dates::WorkYear);
    QVERIFY(!workYear.cmbEv);
    QCOMPARE(workYear.dtpDatumtol->date(), QDate(2005, 1, 1));
    QCOMPARE(workYear.dtpDatumig->date(), QDate::currentDate());
    QCOMPARE(workYear.dtpDatumtol->minimumDate(), ReportPeriod::widestMinimum());
}

void TestReportsLekBase::yearOnlyAndStartDateOnlyScreens()
{
    // A month report: the year list alone, no date picker.
    TfrmLekProba month(services(), TfrmLekBase::Dates::Year);
    QVERIFY(month.cmbEv);
    QCOMPARE(month.cmbEv->currentText(), QStringLiteral("2005"));
    QCOMPARE(month.findChildren<QDateEdit *>().size(), 0);
    QVERIFY(!month.dtpDatumtol && !month.dtpDatumig && !month.dtpDatum);
    month.cmbEv->setCurrentText(QStringLiteral("2006"));
    QCOMPARE(month.cmbEv->currentText(), QStringLiteral("2006"));

    // Opened from the ration sheet: only dtpDatumtol, which the caller sets to the sheet's date.
    TfrmLekProba sheet(services(), TfrmLekBase::Dates::DateFrom);
    QVERIFY(!sheet.cmbEv && !sheet.dtpDatumig && !sheet.dtpDatum);
    QCOMPARE(sheet.findChildren<QDateEdit *>(), QList<QDateEdit *> {sheet.dtpDatumtol});
    QCOMPARE(sheet.lblDatumtol->text(), QStringLiteral("Dátumtól:"));
    QCOMPARE(sheet.dtpDatumtol->date(), QDate::currentDate());
    sheet.dtpDatumtol->setDate(QDate(1999, 12, 31));
    QCOMPARE(sheet.dtpDatumtol->date(), QDate(1999, 12, 31));
    QVERIFY(m_messenger.shown().isEmpty());
}

void TestReportsLekBase::printWithoutRowsWhereTheReportSaysSo()
{
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    screen.setPrintAlwaysEnabled(true);
    QVERIFY(screen.btnNyomtat->isEnabled());
    screen.cmbEv->setCurrentText(QStringLiteral("2004"));
    screen.BitBtn1->click();
    QCOMPARE(screen.rows()->rowCount(), 0);
    QVERIFY(screen.btnNyomtat->isEnabled());

    PreparedReport shown;
    screen.setPreviewer([&](const PreparedReport &pages, QWidget *) { shown = pages; });
    screen.btnNyomtat->click();
    QCOMPARE(shown.pages.size(), 1);
    const QStringList lines = PrintedPages::texts(shown, 0);
    QCOMPARE(lines.mid(lines.size() - 4),
        (QStringList {QStringLiteral("Összesítés:"), QStringLiteral("0,00 "), QStringLiteral("Sorok száma:"),
            QStringLiteral("0")}));
}

void TestReportsLekBase::runShowsRowsUnderTheProgressNotice()
{
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    QVERIFY(!screen.btnNyomtat->isEnabled());
    QVERIFY(screen.BitBtn1->isDefault());
    screen.BitBtn1->click();

    QVERIFY(screen.progressDuringRun);
    QCOMPARE(m_messenger.progressTexts(),
        QStringList {QStringLiteral("Kérem várjon, lekérdezés folyamatban...\rEz több percet is igénybevehet!")});
    QVERIFY(!m_messenger.progressVisible());
    QCOMPARE(screen.DBGrid1->model(), screen.rows());
    QCOMPARE(screen.DBGrid1->model()->rowCount(), 30);
    QCOMPARE(screen.pnlStatus->text(), QStringLiteral("Sorok: 30"));
    QVERIFY(screen.btnNyomtat->isEnabled());
    QVERIFY(screen.BitBtn1->isEnabled());

    screen.cmbEv->setCurrentText(QStringLiteral("2004"));
    screen.BitBtn1->click();
    QCOMPARE(screen.DBGrid1->model()->rowCount(), 0);
    QVERIFY(!screen.btnNyomtat->isEnabled());
    QVERIFY(m_messenger.shown().isEmpty());
}

void TestReportsLekBase::failedRunReportsTheDatabaseError()
{
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    screen.BitBtn1->click();
    QVERIFY(screen.btnNyomtat->isEnabled());
    // The table is gone while the screen is open.
    QSqlQuery query(Database::warehouse(m_settings.dbPath(), 1));
    QVERIFY(query.exec(QStringLiteral("ALTER TABLE Raktar RENAME TO RaktarFélre")));
    screen.BitBtn1->click();
    QVERIFY(query.exec(QStringLiteral("ALTER TABLE RaktarFélre RENAME TO Raktar")));
    QCOMPARE(m_messenger.shown().size(), 1);
    QCOMPARE(m_messenger.last().caption, QStringLiteral("HIBA!"));
    QVERIFY(m_messenger.last().text.contains(QStringLiteral("Raktar")));
    QVERIFY(!m_messenger.progressVisible());
    QVERIFY(!screen.btnNyomtat->isEnabled());
    QVERIFY(screen.BitBtn1->isEnabled());
}

void TestReportsLekBase::printChecksPrinterAndPreviews()
{
    m_settings.setIsPrinter(0);
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    screen.BitBtn1->click();
    PreparedReport shown;
    screen.setPreviewer([&](const PreparedReport &pages, QWidget *) { shown = pages; });
    screen.btnNyomtat->click();

    QCOMPARE(m_messenger.texts(), QStringList {QStringLiteral("Nincs nyomtató telepítve!\rA nyomtatási képet megtekintheti és elmentheti, amit később kinyomtathat.")});
    QCOMPARE(shown.pages.size(), 1);
    const QStringList lines = PrintedPages::texts(shown, 0);
    QCOMPARE(lines.first(), QStringLiteral("Próba lista"));
    QVERIFY(lines.contains(QStringLiteral("Főkonyha")));
    QVERIFY(lines.contains(QStringLiteral("2005.03.30")));
    QCOMPARE(lines.mid(lines.size() - 4),
        (QStringList {QStringLiteral("Összesítés:"), QStringLiteral("30 450,00 "), QStringLiteral("Sorok száma:"),
            QStringLiteral("30")}));
    m_settings.setIsPrinter(1);
}

void TestReportsLekBase::exportWritesTheGridRows()
{
    QDir::setCurrent(m_dir.path());
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    screen.show();
    QVERIFY(screen.btnExport->isVisible());
    screen.BitBtn1->click();
    const QString path = m_dir.filePath(QStringLiteral("export.csv"));
    m_prompt.answer(path);
    screen.btnExport->click();

    QCOMPARE(m_prompt.requests().size(), 1);
    QVERIFY(m_prompt.requests().first().dir.endsWith(QStringLiteral("/Proba.csv")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines.first().contains("BizSzam"));
    QVERIFY(lines.size() >= 31);
    QVERIFY(lines.at(1).contains("00000001"));
}

void TestReportsLekBase::helpOpensTheScreensPage()
{
    // No help folder in the test's program directory: the missing page is named in the warning.
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    screen.btnSugo->click();
    QCOMPARE(m_messenger.texts(), QStringList {QStringLiteral("A kért súgótémakör nem elérhető: \r<[lekproba.htm]>")});
}

void TestReportsLekBase::wheelMovesTheGridCursorByOneRow()
{
    TfrmLekProba screen(services(), TfrmLekBase::Dates::YearPeriod);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.BitBtn1->click();
    screen.DBGrid1->setFocus();
    screen.DBGrid1->setCurrentIndex(screen.rows()->index(0, 0));
    QWidget *viewport = screen.DBGrid1->viewport();
    auto turn = [&](int delta) {
        const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    };
    turn(-120);
    QCOMPARE(screen.DBGrid1->currentIndex().row(), 1);
    turn(-120);
    turn(-240);
    QCOMPARE(screen.DBGrid1->currentIndex().row(), 4);
    turn(120);
    QCOMPARE(screen.DBGrid1->currentIndex().row(), 3);
    turn(-60); // half a notch waits for the other half
    QCOMPARE(screen.DBGrid1->currentIndex().row(), 3);
    turn(-60);
    QCOMPARE(screen.DBGrid1->currentIndex().row(), 4);
    QCOMPARE(screen.DBGrid1->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(TestReportsLekBase)
#include "tst_lekbase.moc"
