#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "master/ui/frmTallozasReceptEdit.h"
#include "menu/ui/frmUjEtlap.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "shell/ui/frmSetup.h"
#include "shell/ui/frmUjAdatbazis.h"
#include "stock/ui/frmKibizTorles.h"
#include "stock/ui/frmMunkaEv.h"
#include "stock/ui/frmRaktarBevitel.h"
#include "stock/ui/frmRaktarKivetel.h"
#include "support/TempDatabase.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// One warehouse and the services the screens are opened with.
struct Run
{
    TempDatabase db;
    QTemporaryDir programDir;
    Settings settings;
    ScriptedMessenger messenger;
    ScriptedFilePrompt files;
    ScriptedDatePrompt dates;
    Services services {settings, messenger, files, dates};

    Run()
    {
        settings.setProgramPath(programDir.path());
        settings.setIniPath(programDir.filePath(QStringLiteral("salvia.ini")));
        settings.setDbPath(db.path());
        settings.setAktivRaktar(1);
        settings.setLoginUser(QStringLiteral("anna"));
        settings.setMunkaEv(QString::number(QDate::currentDate().year()));
    }
};

using Opener = std::function<std::unique_ptr<QWidget>(Run &)>;

} // namespace

Q_DECLARE_METATYPE(Opener)

// Every code and text field bounded by length on the screens outside the master-data dialogs:
// a surrogate pair pasted at the limit is dropped whole, a control character is refused, and what
// fits is taken.
class TestBoundedCodeFields : public QObject
{
    Q_OBJECT

    std::unique_ptr<Run> m_run;

private slots:
    void initTestCase() { m_run = std::make_unique<Run>(); }
    void cleanupTestCase() { m_run.reset(); }

    void pasteAtTheLimit_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("limit");
        const Opener receipt = [](Run &run) { return std::make_unique<TfrmRaktarBevitel>(run.services, run.db.warehouse(1)); };
        const Opener issue = [](Run &run) { return std::make_unique<TfrmRaktarKivetel>(run.services, run.db.warehouse(1)); };
        const Opener deletion = [](Run &run) { return std::make_unique<TfrmKibizTorles>(run.services, run.db.warehouse(1)); };
        const Opener workYear = [](Run &) { return std::make_unique<TfrmMunkaEv>(); };
        const Opener menuRow = [](Run &run) { return std::make_unique<TfrmUjEtlap>(run.services, run.db.warehouse(1)); };
        const Opener recipeCode = [](Run &) { return std::make_unique<TfrmTallozasReceptEdit>(QString()); };
        const Opener newDatabase = [](Run &run) {
            return std::make_unique<TfrmUjAdatbazis>(run.messenger, run.programDir.filePath(QStringLiteral("adat")));
        };
        const Opener setup = [](Run &run) { return std::make_unique<TfrmSetup>(run.services); };
        QTest::newRow("receipt voucher number") << receipt << "edtBizSorsz" << 8;
        QTest::newRow("receipt register number") << receipt << "edtAnyagKod" << 4;
        QTest::newRow("issue voucher number") << issue << "edtBizSorsz" << 8;
        QTest::newRow("issue register number") << issue << "edtAnyagKod" << 4;
        QTest::newRow("issue deletion voucher number") << deletion << "edtBizSzam" << 8;
        QTest::newRow("work year") << workYear << "edtDatum" << 4;
        QTest::newRow("daily menu dish or material") << menuRow << "edtAzon" << 4;
        QTest::newRow("recipe code offered") << recipeCode << "edtAzonosito" << 4;
        QTest::newRow("owner name") << newDatabase << "edtCegNev" << 50;
        QTest::newRow("owner postcode, digits only") << newDatabase << "edtCegIrsz" << 8;
        QTest::newRow("superuser name") << newDatabase << "edtUserName" << 50;
        QTest::newRow("default partner") << setup << "edtPartnerAl" << 5;
        QTest::newRow("footer caption") << setup << "edtLab11" << 20;
        QTest::newRow("weekly menu footer") << setup << "edtHetiLab" << 200;
    }
    void pasteAtTheLimit()
    {
        QFETCH(Opener, open);
        QFETCH(QString, field);
        QFETCH(int, limit);
        const std::unique_ptr<QWidget> screen = open(*m_run);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        auto *edit = screen->findChild<QLineEdit *>(field);
        QVERIFY(edit);

        const QString filler(limit - 1, QLatin1Char('1'));
        edit->setText(filler);
        QCOMPARE(edit->text(), filler);
        edit->setCursorPosition(limit - 1);
        QApplication::clipboard()->setText(QString::fromUtf8("😀"));
        edit->paste();
        QCOMPARE(edit->text(), filler);

        for (const QString &control : {QString(QChar(0)), QStringLiteral("\u0001"), QStringLiteral("\t")}) {
            QApplication::clipboard()->setText(control);
            edit->paste();
            QCOMPARE(edit->text(), filler);
        }

        QApplication::clipboard()->setText(QStringLiteral("12"));
        edit->paste();
        QCOMPARE(edit->text(), filler + QLatin1Char('1'));
        QVERIFY(edit->text().isValidUtf16());
    }
};

QTEST_MAIN(TestBoundedCodeFields)
#include "tst_boundedcodefields.moc"
