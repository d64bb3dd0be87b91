#include "session/HelpPages.h"
#include "session/Settings.h"
#include "widgets/UiHelp.h"
#include "widgets/frmHelp.h"
#include "core/ScriptedMessenger.h"

#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <functional>

// While it lives, closes every modal help viewer that appears, after running `check` on it.
class HelpWatcher : public QObject
{
public:
    explicit HelpWatcher(std::function<void(TfrmHelp *)> check = {})
        : m_check(std::move(check))
    {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *help = qobject_cast<TfrmHelp *>(QApplication::activeModalWidget());
            if (!help)
                return;
            ++shown;
            if (m_check)
                m_check(help);
            help->close();
        });
        m_poll.start();
    }
    int shown = 0;

private:
    QTimer m_poll;
    std::function<void(TfrmHelp *)> m_check;
};

class TestAppHelp : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_program;

    static QString sourceHelpFolder() { return qEnvironmentVariable("SALVIA_SOURCE_DIR") + "/resources/HtmlHelp"; }

    void writePage(const QString &name, const QString &body)
    {
        QFile file(HelpPages::folder(m_program.path()) + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            ("<html><head><meta charset=\"utf-8\"><title>" + name + "</title></head><body>" + body + "</body></html>")
                .toUtf8());
    }

    // Local links of a page (file name, optionally "#anchor"): href values that are not web or
    // mail addresses; an in-page anchor comes back with the page's own name.
    static QStringList localLinks(const QString &page, const QString &html)
    {
        QStringList links;
        static const QRegularExpression href(
            QStringLiteral("href\\s*=\\s*\"([^\"]*)\""), QRegularExpression::CaseInsensitiveOption);
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.startsWith("http:") || target.startsWith("https:") || target.startsWith("mailto:"))
                continue;
            links << (target.startsWith('#') ? page + target : target);
        }
        return links;
    }

    static QString readUtf8(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(file.readAll());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_program.isValid());
        QVERIFY(QDir(m_program.path()).mkdir("HtmlHelp"));
        writePage("tartalom.htm", "<a href=\"egy.htm\">Egy</a>");
        writePage("egy.htm", "<p>Első oldal</p><a href=\"ketto.htm\">Kettő</a>");
        writePage("ketto.htm", "<p>Második oldal</p><a href=\"harom.htm\">Három</a> <a href=\"nincs.htm\">Nincs</a>");
        writePage("harom.htm", "<p>Harmadik oldal</p>");
        writePage("Nagybetus.htm", "<p>Windowsról jött név</p>");
    }

    void backAndForward()
    {
        ScriptedMessenger messenger;
        TfrmHelp help(HelpPages::folder(m_program.path()), messenger);
        help.show();
        auto *back = help.findChild<QPushButton *>("btnBackward");
        auto *forward = help.findChild<QPushButton *>("btnForward");
        auto *browser = help.findChild<QTextBrowser *>("brwHtml");
        QVERIFY(back && forward && browser);
        QCOMPARE(back->text(), QString("&Vissza"));
        QCOMPARE(forward->text(), QString("&Előre"));
        QCOMPARE(help.findChild<QPushButton *>("btnHome")->text(), QString("&Tartalom"));
        QCOMPARE(help.findChild<QPushButton *>("btnNyomtat")->text(), QString("&Nyomtat"));
        QVERIFY(help.findChild<QPushButton *>("btnBezar"));

        QVERIFY(help.openPage("egy.htm"));
        QCOMPARE(help.currentPage(), QString("egy.htm"));
        QVERIFY(!back->isEnabled());
        QVERIFY(!forward->isEnabled());

        // Follow the links as the user clicks them: egy -> ketto -> harom.
        emit browser->anchorClicked(QUrl("ketto.htm"));
        emit browser->anchorClicked(QUrl("harom.htm"));
        QCOMPARE(help.currentPage(), QString("harom.htm"));
        QVERIFY(browser->toPlainText().contains("Harmadik oldal"));

        struct Step
        {
            QPushButton *button;
            const char *page;
            bool backEnabled;
            bool forwardEnabled;
        };
        const Step steps[] = {
            {back, "ketto.htm", true, true},
            {back, "egy.htm", false, true},
            {forward, "ketto.htm", true, true},
            {forward, "harom.htm", true, false},
            {back, "ketto.htm", true, true},
        };
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        for (const Step &step : steps) {
            QTest::mouseClick(step.button, Qt::LeftButton);
            QCOMPARE(help.currentPage(), QString(step.page));
            QCOMPARE(back->isEnabled(), step.backEnabled);
            QCOMPARE(forward->isEnabled(), step.forwardEnabled);
        }

        // A new page after a step back drops the pages ahead.
        QTest::mouseClick(help.findChild<QPushButton *>("btnHome"), Qt::LeftButton);
        QCOMPARE(help.currentPage(), QString("tartalom.htm"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        QVERIFY(messenger.shown().isEmpty());
    }

    void missingLinkedPage()
    {
        ScriptedMessenger messenger;
        TfrmHelp help(HelpPages::folder(m_program.path()), messenger);
        QVERIFY(help.openPage("ketto.htm"));
        emit help.findChild<QTextBrowser *>("brwHtml")->anchorClicked(QUrl("nincs.htm"));
        QCOMPARE(help.currentPage(), QString("ketto.htm"));
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().text, QString("A kért súgótémakör nem elérhető: \r<[nincs.htm]>"));
    }

    void showHelpMissingPage_data()
    {
        QTest::addColumn<bool>("withFolder");
        QTest::addColumn<QString>("page");
        QTest::newRow("no such page") << true << "backup.htm";
        QTest::newRow("no help folder") << false << "tartalom.htm";
        QTest::newRow("no page name") << true << "";
    }
    void showHelpMissingPage()
    {
        QFETCH(bool, withFolder);
        QFETCH(QString, page);
        QTemporaryDir empty;
        Settings settings;
        settings.setProgramPath(withFolder ? m_program.path() : empty.path());
        ScriptedMessenger messenger;
        HelpWatcher watcher;
        showHelp(nullptr, settings, messenger, page);
        QCOMPARE(watcher.shown, 0);
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().caption, QString("Figyelmeztetés"));
        QCOMPARE(messenger.last().symbol, 1);
        QCOMPARE(messenger.last().text, "A kért súgótémakör nem elérhető: \r<[" + page + "]>");
        QCOMPARE(messenger.last().buttons, QStringList {"OK"});
    }

    void showHelpOpensPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("shown");
        QTest::newRow("contents") << "tartalom.htm"
                                  << "tartalom.htm";
        QTest::newRow("other letter case") << "nagybetus.htm"
                                           << "Nagybetus.htm";
        QTest::newRow("with anchor") << "harom.htm#vege"
                                     << "harom.htm";
    }
    void showHelpOpensPage()
    {
        QFETCH(QString, page);
        QFETCH(QString, shown);
        Settings settings;
        settings.setProgramPath(m_program.path());
        ScriptedMessenger messenger;
        QString current;
        QString title;
        QSize size;
        HelpWatcher watcher([&](TfrmHelp *help) {
            current = help->currentPage();
            title = help->windowTitle();
            size = help->size();
        });
        showHelp(nullptr, settings, messenger, page);
        QCOMPARE(watcher.shown, 1);
        QCOMPARE(current, shown);
        QCOMPARE(title, QString("Súgó"));
        QVERIFY(size.width() >= 640 && size.height() >= 457);
        QVERIFY(messenger.shown().isEmpty());
    }

    // The "&Súgó" button of a small dialog anywhere on the screen opens a viewer that lies
    // wholly on the screen.
    void helpFromDialogStaysOnScreen_data()
    {
        QTest::addColumn<QPoint>("corner"); // the dialog's corner nearest to the screen's edge
        QTest::newRow("bottom left") << QPoint(0, 1);
        QTest::newRow("bottom right") << QPoint(1, 1);
        QTest::newRow("top right") << QPoint(1, 0);
    }
    void helpFromDialogStaysOnScreen()
    {
        QFETCH(QPoint, corner);
        Settings settings;
        settings.setProgramPath(m_program.path());
        ScriptedMessenger messenger;
        QDialog dialog;
        dialog.resize(300, 120);
        const QRect area = dialog.screen()->availableGeometry();
        dialog.move(corner.x() ? area.right() - 300 : area.left(), corner.y() ? area.bottom() - 120 : area.top());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QRect placed;
        HelpWatcher watcher([&](TfrmHelp *help) { placed = help->frameGeometry(); });
        showHelp(&dialog, settings, messenger, "egy.htm");
        QCOMPARE(watcher.shown, 1);
        QVERIFY2(area.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                       .arg(placed.x())
                                                       .arg(placed.y())
                                                       .arg(placed.width())
                                                       .arg(placed.height())));
        QVERIFY(placed.height() >= 457);
    }

    void helpKey()
    {
        Settings settings;
        settings.setProgramPath(m_program.path());
        ScriptedMessenger messenger;
        QWidget screen;
        installHelpKey(&screen, settings, messenger, "egy.htm");
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QString current;
        HelpWatcher watcher([&](TfrmHelp *help) { current = help->currentPage(); });
        QTest::keyClick(&screen, Qt::Key_F1);
        QCOMPARE(watcher.shown, 1);
        QCOMPARE(current, QString("egy.htm"));
    }

    // The pages delivered with the program.
    void deliveredPages_data()
    {
        QTest::addColumn<QString>("page");
        const QStringList pages = QDir(sourceHelpFolder()).entryList({"*.htm"}, QDir::Files);
        QVERIFY(pages.contains("tartalom.htm"));
        QVERIFY(pages.contains("bevezetes.htm"));
        QVERIFY(pages.contains("setup.htm"));
        for (const QString &page : pages)
            QTest::newRow(qPrintable(page)) << page;
    }
    void deliveredPages()
    {
        QFETCH(QString, page);
        const QString html = readUtf8(sourceHelpFolder() + "/" + page);
        QVERIFY(html.contains("<meta charset=\"utf-8\">"));
        QVERIFY(html.contains("<title>"));
        QVERIFY2(!html.contains(QChar::ReplacementCharacter), "not UTF-8");
        // Every link leads to a file that exists under exactly that name, and to an anchor
        // that the file has.
        for (const QString &link : localLinks(page, html)) {
            const QString file = link.section('#', 0, 0);
            const QString anchor = link.section('#', 1);
            QVERIFY2(QFileInfo::exists(sourceHelpFolder() + "/" + file), qPrintable(page + " -> " + link));
            if (!anchor.isEmpty()) {
                QVERIFY2(readUtf8(sourceHelpFolder() + "/" + file).contains("name=\"" + anchor + "\""),
                    qPrintable(page + " -> " + link));
            }
        }
        // The contents lead to every page.
        if (page != "tartalom.htm") {
            const QStringList fromContents = localLinks("tartalom.htm", readUtf8(sourceHelpFolder() + "/tartalom.htm"));
            QVERIFY2(fromContents.contains(page), qPrintable(page + " is not in the contents"));
        }
        // The viewer shows it with the shared style sheet.
        ScriptedMessenger messenger;
        TfrmHelp help(sourceHelpFolder(), messenger);
        QVERIFY(help.openPage(page));
        auto *browser = help.findChild<QTextBrowser *>("brwHtml");
        QVERIFY(!browser->toPlainText().trimmed().isEmpty());
        QVERIFY(browser->document()->defaultStyleSheet().contains("table.racs"));
        QVERIFY(messenger.shown().isEmpty());
    }
};

QTEST_MAIN(TestAppHelp)
#include "tst_help.moc"
