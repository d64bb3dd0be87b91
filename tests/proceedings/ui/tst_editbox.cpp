#include "session/HelpPages.h"
#include "session/Settings.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"
#include "support/PrintedPages.h"
#include "proceedings/JegyzokonyvFile.h"
#include "proceedings/ui/frmEditbox.h"
#include "proceedings/ui/qrpJegyzokonyv.h"
#include "widgets/frmDialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace PrintedPages;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class TestUtilEditbox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void windows1250RoundTrip_data();
    void windows1250RoundTrip();
    void textOutsideTheCodePageIsNotSaved();
    void opensWithTheNoteFile_data();
    void opensWithTheNoteFile();
    void modifiedMarkComesAndGoes();
    void saveFallsBackToTheNameChosenBefore();
    void openLoadsTheChosenFile();
    void printoutHoldsTitleTextDateAndSignatures();
    void printWithoutPrinterWarnsAndPreviews();
    void helpPageExistsInHungarian();
    void wheelMovesTheCursorByLines();
    void closingWithUnsavedTextAsks_data();
    void closingWithUnsavedTextAsks();
    void leavingTheUnsavedQuestionKeepsTheText_data();
    void leavingTheUnsavedQuestionKeepsTheText();

private:
    QTemporaryDir m_dir;
    Settings m_settings;
    ScriptedMessenger m_messenger;
    ScriptedFilePrompt m_prompt;
    ScriptedDatePrompt m_dates;
    Services services() { return {m_settings, m_messenger, m_prompt, m_dates}; }
};

void TestUtilEditbox::init()
{
    m_settings = Settings();
    m_settings.setIniPath(m_dir.filePath(QStringLiteral("salvia.ini")));
    QFile::remove(m_settings.iniPath());
    m_settings.setProgramPath(m_dir.path());
    m_settings.setCegVaros(QStringLiteral("Győr"));
    m_settings.setIsPrinter(1);
    m_messenger = ScriptedMessenger();
    m_prompt = ScriptedFilePrompt();
}

void TestUtilEditbox::windows1250RoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Hungarian letters and CR LF") << QStringLiteral("árvíztűrő tükörfúrógép\nÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP\n")
                                                 << QByteArray("\xe1rv\xedzt\xfbr\xf5 t\xfck\xf6rf\xfar\xf3g\xe9p\r\n"
                                                               "\xc1RV\xcdZT\xdbR\xd5 T\xdcK\xd6RF\xdaR\xd3G\xc9P\r\n");
    QTest::newRow("no line break at the end") << QStringLiteral("1. sor\n2. sor") << QByteArray("1. sor\r\n2. sor");
    QTest::newRow("euro sign and dash") << QStringLiteral("Ár: 5 € – kész") << QByteArray("\xc1r: 5 \x80 \x96 k\xe9sz");
    QTest::newRow("empty lines kept") << QStringLiteral("\n\nvége\n\n") << QByteArray("\r\n\r\nv\xe9ge\r\n\r\n");
    QTest::newRow("empty text") << QString() << QByteArray();
}

void TestUtilEditbox::windows1250RoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("jk.txt"));
    QCOMPARE(JegyzokonyvFile::save(path, text), QString());
    QCOMPARE(readBytes(path), bytes);
    const JegyzokonyvFile::Loaded loaded = JegyzokonyvFile::load(path);
    QCOMPARE(loaded.error, QString());
    QCOMPARE(loaded.text, text);

    // A file written elsewhere with bare LF or CR line ends reads the same.
    QByteArray lfOnly = bytes;
    lfOnly.replace("\r\n", "\n");
    writeBytes(path, lfOnly);
    QCOMPARE(JegyzokonyvFile::load(path).text, text);
}

void TestUtilEditbox::textOutsideTheCodePageIsNotSaved()
{
    const QString path = m_dir.filePath(QStringLiteral("marad.txt"));
    writeBytes(path, "eredeti\r\n");
    const QString error = JegyzokonyvFile::save(path, QStringLiteral("Köszönöm 谢谢 😀 谢"));
    QCOMPARE(error,
        QStringLiteral("A szöveg olyan karaktert tartalmaz, amely nem menthető: 谢😀\rCserélje ki, "
                       "és mentse újra!"));
    QCOMPARE(readBytes(path), QByteArray("eredeti\r\n"));

    const QString missing = m_dir.filePath(QStringLiteral("nincs/jk.txt"));
    QCOMPARE(JegyzokonyvFile::save(missing, QStringLiteral("x")), QStringLiteral("A fájl nem írható:\r") + missing);
    QCOMPARE(JegyzokonyvFile::load(missing).error, QStringLiteral("A fájl nem nyitható meg:\r") + missing);
}

void TestUtilEditbox::opensWithTheNoteFile_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("note file exists") << true;
    QTest::newRow("note file missing") << false;
}

void TestUtilEditbox::opensWithTheNoteFile()
{
    QFETCH(bool, exists);
    const QString path = m_dir.filePath(QStringLiteral("minta.txt"));
    QFile::remove(path);
    if (exists)
        writeBytes(path, "Selejtez\xe9si jegyz\xf5k\xf6nyv\r\nJelen vannak:\r\n");
    m_settings.writeString(QStringLiteral("Mukodes"), QStringLiteral("JegyzPath"), path);

    TfrmEditbox editor(services());
    QCOMPARE(editor.memJegyzokonyv->toPlainText(),
        exists ? QStringLiteral("Selejtezési jegyzőkönyv\nJelen vannak:\n") : QString());
    QCOMPARE(editor.windowTitle(),
        exists ? QStringLiteral("Szövegszerkesztő <minta.txt>") : QStringLiteral("Szövegszerkesztő"));
    QVERIFY(!editor.isModified());
    QVERIFY(m_messenger.shown().isEmpty());
    QCOMPARE(editor.memJegyzokonyv->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(editor.memJegyzokonyv->font().pixelSize(), 13);
}

void TestUtilEditbox::modifiedMarkComesAndGoes()
{
    TfrmEditbox editor(services());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.memJegyzokonyv->setFocus();
    QTest::sendKeyEvent(QTest::Click, editor.memJegyzokonyv, Qt::Key_unknown, QStringLiteral("Ő"), Qt::NoModifier);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Szövegszerkesztő *"));
    QTest::keyClicks(editor.memJegyzokonyv, QStringLiteral("sz"));
    QCOMPARE(editor.windowTitle(), QStringLiteral("Szövegszerkesztő *"));

    const QString path = m_dir.filePath(QStringLiteral("szovegek/uj.txt"));
    m_prompt.answer(path);
    editor.findChild<QPushButton *>(QStringLiteral("btnMent"))->click();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Szövegszerkesztő"));
    QVERIFY(!editor.isModified());
    QCOMPARE(readBytes(path), QByteArray("\xd5sz"));
    const ScriptedFilePrompt::Request &request = m_prompt.requests().last();
    QCOMPARE(request.kind, ScriptedFilePrompt::Kind::Save);
    QCOMPARE(request.filter, QStringLiteral("szövegfájl|*.txt|Minden fájl|*.*"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("txt"));
    QCOMPARE(request.dir, m_dir.filePath(QStringLiteral("szovegek")));

    // Saving again without a change leaves the caption alone.
    m_prompt.answer(path);
    editor.btnMent->click();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Szövegszerkesztő"));
}

void TestUtilEditbox::saveFallsBackToTheNameChosenBefore()
{
    TfrmEditbox editor(services());
    editor.memJegyzokonyv->setPlainText(QStringLiteral("első"));
    // Cancelled with no name chosen yet: nothing is written and the mark stays.
    editor.btnMent->click();
    QVERIFY(editor.isModified());
    QCOMPARE(editor.windowTitle(), QStringLiteral("Szövegszerkesztő *"));

    const QString path = m_dir.filePath(QStringLiteral("kor.txt"));
    m_prompt.answer(path);
    editor.btnMent->click();
    QCOMPARE(readBytes(path), QByteArray("els\xf5"));

    editor.memJegyzokonyv->setPlainText(QStringLiteral("második"));
    editor.btnMent->click(); // cancelled: saved under the earlier name
    QCOMPARE(readBytes(path), QByteArray("m\xe1sodik"));
    QCOMPARE(m_prompt.requests().last().dir, path);
    QVERIFY(!editor.isModified());

    // A character the file cannot hold: refused, the file and the mark stay.
    editor.memJegyzokonyv->setPlainText(QStringLiteral("harmadik ☃"));
    editor.btnMent->click();
    QCOMPARE(readBytes(path), QByteArray("m\xe1sodik"));
    QVERIFY(editor.isModified());
    QCOMPARE(m_messenger.last().caption, QStringLiteral("HIBA!"));
    QVERIFY(m_messenger.last().text.contains(QStringLiteral("☃")));
}

void TestUtilEditbox::openLoadsTheChosenFile()
{
    TfrmEditbox editor(services());
    editor.memJegyzokonyv->setPlainText(QStringLiteral("régi"));
    QVERIFY(editor.isModified());
    const QString path = m_dir.filePath(QStringLiteral("betolt.txt"));
    writeBytes(path, "\xe1tv\xe9tel\r\n");
    m_prompt.answer(path);
    editor.btnMegnyit->click();

    QCOMPARE(editor.memJegyzokonyv->toPlainText(), QStringLiteral("átvétel\n"));
    QCOMPARE(editor.windowTitle(), QStringLiteral("Szövegszerkesztő <betolt.txt>"));
    QVERIFY(!editor.isModified());
    const ScriptedFilePrompt::Request &request = m_prompt.requests().last();
    QCOMPARE(request.kind, ScriptedFilePrompt::Kind::Open);
    QCOMPARE(request.dir, m_dir.filePath(QStringLiteral("szovegek")));

    // A cancelled or missing choice changes nothing.
    m_prompt.answer(m_dir.filePath(QStringLiteral("nincs.txt")));
    editor.btnMegnyit->click();
    editor.btnMegnyit->click();
    QCOMPARE(editor.memJegyzokonyv->toPlainText(), QStringLiteral("átvétel\n"));
    QVERIFY(m_messenger.shown().isEmpty());
}

void TestUtilEditbox::printoutHoldsTitleTextDateAndSignatures()
{
    QString text = QStringLiteral("Selejtezési jegyzőkönyv\n\nTétel        Mennyiség\nLiszt        2 kg\n");
    text += QString(300, QLatin1Char('x')) + QLatin1Char('\n');
    TqrpJegyzokonyv printout(m_settings, m_messenger, text, QDate(2006, 3, 15));
    const PreparedReport pages = printout.prepare();

    QCOMPARE(pages.pages.size(), 1);
    const QStringList lines = texts(pages, 0);
    QCOMPARE(lines.first(), QStringLiteral("Jegyzőkönyv"));
    QCOMPARE(lines.at(1), QStringLiteral("Selejtezési jegyzőkönyv"));
    QCOMPARE(lines.at(2), QStringLiteral("Tétel        Mennyiség"));
    QCOMPARE(lines.mid(lines.size() - 3),
        (QStringList {QStringLiteral("Győr, 2006.03.15"),
            QStringLiteral("A jegyzőkönyvet készítette: ..........................................................."),
            QStringLiteral(
                "Tanú aláírása: ...............................................................................")}));
    // The long line wraps inside the page instead of being cut off.
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^x+$"))).join(QString()), QString(300, QLatin1Char('x')));
    for (const PageItem &item : textItems(pages, 0))
        QVERIFY(item.x + item.w <= 200.01f);
    const PageItem title = find(pages, 0, QStringLiteral("Jegyzőkönyv"));
    QVERIFY(pages.fonts.at(title.font).bold);
    // The text in the printouts' base face at 12 points.
    ReportFont textFont;
    textFont.pointSize = 12;
    QCOMPARE(pages.fonts.at(find(pages, 0, QStringLiteral("Liszt        2 kg")).font), textFont);
    QCOMPARE(printout.qrlDatum->text(), QStringLiteral("Győr, 2006.03.15"));
    QCOMPARE(printout.qrmSzoveg->column(), QStringLiteral("Sor"));

    // A long record goes on over pages; the date and signatures follow its last line.
    QStringList many;
    for (int i = 0; i < 120; ++i)
        many << QStringLiteral("%1. sor").arg(i + 1);
    TqrpJegyzokonyv longer(m_settings, m_messenger, many.join(QLatin1Char('\n')), QDate(2006, 3, 15));
    const PreparedReport longPages = longer.prepare();
    QVERIFY(longPages.pages.size() >= 3);
    QVERIFY(!texts(longPages, 1).contains(QStringLiteral("Jegyzőkönyv")));
    QCOMPARE(pageOf(longPages, QStringLiteral("120. sor")), pageOf(longPages, QStringLiteral("Győr, 2006.03.15")));
}

void TestUtilEditbox::printWithoutPrinterWarnsAndPreviews()
{
    m_settings.setIsPrinter(0);
    TfrmEditbox editor(services());
    editor.memJegyzokonyv->setPlainText(QStringLiteral("Átadás-átvétel"));
    PreparedReport shown;
    editor.setPreviewer([&](const PreparedReport &pages, QWidget *) { shown = pages; });
    editor.btnNyomtat->click();

    QCOMPARE(m_messenger.shown().size(), 1);
    QCOMPARE(m_messenger.last().caption, QStringLiteral("Figyelmeztetés"));
    QCOMPARE(m_messenger.last().symbol, 1);
    QCOMPARE(m_messenger.last().text,
        QStringLiteral("Nincs nyomtató telepítve!\rA nyomtatási képet megtekintheti "
                       "és elmentheti, amit később kinyomtathat."));
    QCOMPARE(m_messenger.last().buttons, QStringList {QStringLiteral("OK")});
    QCOMPARE(shown.jobTitle, QStringLiteral("Salvia nyomtatas"));
    const QStringList lines = texts(shown, 0);
    QCOMPARE(lines.mid(0, 2), (QStringList {QStringLiteral("Jegyzőkönyv"), QStringLiteral("Átadás-átvétel")}));
    QVERIFY(lines.contains(TqrpJegyzokonyv::dateLine(QStringLiteral("Győr"), QDate::currentDate())));
}

void TestUtilEditbox::helpPageExistsInHungarian()
{
    const QString folder = qEnvironmentVariable("SALVIA_SOURCE_DIR") + QStringLiteral("/resources/HtmlHelp");
    const QString page = HelpPages::findPage(folder, QStringLiteral("EditBox.htm"));
    QVERIFY(!page.isEmpty());
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY(html.contains(QStringLiteral("lang=\"hu\"")));
    QVERIFY(html.contains(QStringLiteral("Szövegszerkesztő")));
    QVERIFY(html.contains(QStringLiteral("Windows-1250")));

    TfrmEditbox editor(services());
    editor.btnSugo->click(); // no help folder in the test's program directory
    QCOMPARE(m_messenger.texts(), QStringList {HelpPages::missingText(QStringLiteral("EditBox.htm"))});
}

void TestUtilEditbox::wheelMovesTheCursorByLines()
{
    TfrmEditbox editor(services());
    editor.memJegyzokonyv->setPlainText(QStringLiteral("egy\nkettő\nhárom\nnégy"));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.memJegyzokonyv->setFocus();
    QWidget *viewport = editor.memJegyzokonyv->viewport();
    const QPointF at(10, 10);
    QWheelEvent towards(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &towards);
    QCOMPARE(editor.memJegyzokonyv->textCursor().blockNumber(), 2);
    QWheelEvent away(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &away);
    QCOMPARE(editor.memJegyzokonyv->textCursor().blockNumber(), 1);
}

void TestUtilEditbox::closingWithUnsavedTextAsks_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAs"); // the save dialog's answer; empty: cancelled
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("nothing typed: closes at once") << false << 0 << QString() << true << false;
    QTest::newRow("Igen and a file name: saved and closed")
        << true << int(MsgResult::Yes) << "jegyzokonyv.txt" << true << true;
    QTest::newRow("Igen, save dialog cancelled: stays open")
        << true << int(MsgResult::Yes) << QString() << false << false;
    QTest::newRow("Nem: closes without saving") << true << int(MsgResult::No) << QString() << true << false;
    QTest::newRow("Mégse: stays open") << true << int(MsgResult::Cancel) << QString() << false << false;
}

void TestUtilEditbox::closingWithUnsavedTextAsks()
{
    QFETCH(bool, typed);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, closed);
    QFETCH(bool, saved);

    TfrmEditbox editor(services());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    if (typed)
        editor.memJegyzokonyv->setPlainText(QStringLiteral("Jegyzőkönyv"));
    const QString path = saveAs.isEmpty() ? QString() : m_dir.filePath(saveAs);
    QFile::remove(m_dir.filePath(QStringLiteral("jegyzokonyv.txt")));
    if (answer != 0)
        m_messenger.answer(answer);
    if (!path.isEmpty())
        m_prompt.answer(path);

    editor.btnKilep->click();

    if (typed) {
        QCOMPARE(m_messenger.shown().size(), 1);
        QCOMPARE(m_messenger.last().caption, QStringLiteral("Kérdés"));
        QCOMPARE(m_messenger.last().symbol, int(Symbol::Question));
        QCOMPARE(m_messenger.last().text, TfrmEditbox::unsavedQuestionText());
        QCOMPARE(m_messenger.last().buttons, QStringList({"Igen", "Nem", "Mégse"}));
    } else {
        QVERIFY(m_messenger.shown().isEmpty());
    }
    QCOMPARE(!editor.isVisible(), closed);
    QCOMPARE(QFileInfo::exists(m_dir.filePath(QStringLiteral("jegyzokonyv.txt"))), saved);
    if (saved)
        QCOMPARE(readBytes(m_dir.filePath(QStringLiteral("jegyzokonyv.txt"))), QByteArray("Jegyz\xf5k\xf6nyv"));
}

void TestUtilEditbox::leavingTheUnsavedQuestionKeepsTheText_data()
{
    QTest::addColumn<bool>("escape"); // else the close box
    QTest::newRow("Escape") << true;
    QTest::newRow("close box") << false;
}

void TestUtilEditbox::leavingTheUnsavedQuestionKeepsTheText()
{
    // The question on the real message dialog: "Igen / Nem / Mégse", left without a button.
    QFETCH(bool, escape);
    TfrmDialog dialog;
    TfrmEditbox editor(Services {m_settings, dialog, m_prompt, m_dates});
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.memJegyzokonyv->setPlainText(QStringLiteral("Jegyzőkönyv"));

    int asked = 0;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!dialog.isVisible() || dialog.buttons().isEmpty())
            return;
        ++asked;
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
    });
    poll.start();
    editor.btnKilep->click();
    poll.stop();

    QCOMPARE(asked, 1);
    QVERIFY(editor.isVisible());
    QVERIFY(editor.isModified());
    QCOMPARE(editor.memJegyzokonyv->toPlainText(), QStringLiteral("Jegyzőkönyv"));
}

QTEST_MAIN(TestUtilEditbox)
#include "tst_editbox.moc"
