#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Settings.h"
#include "widgets/UiBrowseScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A browse screen with one grid-less body and one button, counting what it is asked to do.
class CountingBrowse : public UiBrowseScreen
{
public:
    explicit CountingBrowse(const Services &services)
        : UiBrowseScreen(services, QStringLiteral("frmProba"), QStringLiteral("Próba"), QStringLiteral("proba.htm"),
              nullptr)
    {
        btnModosit = button(QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), [this] { ++presses; });
        setBody(orderAndSearchRow({}, {QStringLiteral("Kód szerint"), QStringLiteral("Név szerint")},
                    {QStringLiteral("Név")}),
            new QHBoxLayout, {btnModosit});
    }

    QPushButton *btnModosit;
    int presses = 0;
    int searches = 0;
    QList<int> orders;

protected:
    void search() override { ++searches; }
    void orderChanged(int order) override { orders << order; }
};

} // namespace

// The browse-screen frame: Enter in the search box searches and presses no button, Enter on a
// focused button presses it, the order choice reaches the screen, F1 asks for its help page.
class TestBrowseScreen : public QObject
{
    Q_OBJECT

    QTemporaryDir program;
    Settings settings;
    ScriptedMessenger messenger;
    ScriptedFilePrompt files;
    ScriptedDatePrompt dates;
    Services services {settings, messenger, files, dates};

private slots:
    void initTestCase()
    {
        settings.setProgramPath(program.path());
        settings.setIniPath(program.filePath(QStringLiteral("salvia.ini")));
    }

    void keysReachWhatTheyName()
    {
        CountingBrowse screen(services);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QApplication::setActiveWindow(&screen);
        QCOMPARE(screen.comOrder->count(), 2);
        QCOMPARE(screen.edtSearch->placeholderText(), QStringLiteral("Kereséshez üsse le az ENTER-t"));

        screen.edtSearch->setFocus();
        QTest::keyClick(screen.edtSearch, Qt::Key_Return);
        QCOMPARE(screen.searches, 1);
        QCOMPARE(screen.presses, 0);

        screen.btnModosit->setFocus();
        QTest::keyClick(screen.btnModosit, Qt::Key_Return);
        QCOMPARE(screen.presses, 1);

        screen.comOrder->setCurrentIndex(1);
        QCOMPARE(screen.orders, QList<int> {1});

        messenger.clear();
        QTest::keyClick(&screen, Qt::Key_F1);
        QCOMPARE(messenger.texts().size(), 1);
        QVERIFY(messenger.texts().first().contains(QStringLiteral("proba.htm")));

        screen.btnKilep->click();
        QVERIFY(!screen.isVisible());
    }
};

QTEST_MAIN(TestBrowseScreen)
#include "tst_browsescreen.moc"
