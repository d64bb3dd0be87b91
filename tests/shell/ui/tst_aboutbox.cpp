#include "Version.h"
#include "shell/ui/AboutBox.h"
#include "session/Settings.h"

#include <QLabel>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

class TestAppAboutBox : public QObject
{
    Q_OBJECT
private:
    static QString labelText(TAboutBox &box, const char *name)
    {
        auto *label = box.findChild<QLabel *>(name);
        return label ? label->text() : QString("<missing %1>").arg(name);
    }

private slots:
    void showsVersionAndOwner_data()
    {
        QTest::addColumn<QString>("progVer");
        QTest::addColumn<QString>("version");
        QTest::newRow("set at start-up") << "1.0.32.547"
                                         << "1.0.32.547";
        QTest::newRow("not yet set") << "" << SALVIA_VERSION;
    }
    void showsVersionAndOwner()
    {
        QFETCH(QString, progVer);
        QFETCH(QString, version);
        Settings settings;
        settings.setProgVer(progVer);
        settings.setCegNev("Napsugár Óvoda");
        settings.setCegIrsz("6720");
        settings.setCegVaros("Szeged");
        settings.setCegCim("Kárász utca 5.");
        TAboutBox box(settings);
        QCOMPARE(box.windowTitle(), QString("Névjegy"));
        QCOMPARE(labelText(box, "lblVer"), "Program verzió: " + version);
        QCOMPARE(labelText(box, "lblNev"), QString("Tulajdonos neve: Napsugár Óvoda"));
        QCOMPARE(labelText(box, "lblCim"), QString("Tulajdonos címe: 6720 Szeged, Kárász utca 5."));
        QVERIFY(labelText(box, "lblManager").startsWith("Program manager: "));
        QVERIFY(box.findChild<QPushButton *>("btnOK"));
    }

    // An owner name of any length (one long word, or many) keeps the box on the screen.
    void longOwnerStaysOnScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("one long word") << QString(100000, QChar('W'));
        QTest::newRow("many words") << QString("Nagyon hosszú intézménynév ").repeated(400);
    }
    void longOwnerStaysOnScreen()
    {
        QFETCH(QString, name);
        Settings settings;
        settings.setCegNev(name);
        settings.setCegIrsz("6720");
        settings.setCegVaros("Szeged");
        settings.setCegCim(name);
        TAboutBox box(settings);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QRect area = box.screen()->availableGeometry();
        QVERIFY2(box.frameGeometry().width() <= area.width(), qPrintable(QString::number(box.width())));
        QVERIFY(box.frameGeometry().height() <= area.height());
        auto *nev = box.findChild<QLabel *>("lblNev");
        QVERIFY(nev->text().startsWith("Tulajdonos neve: " + name.left(10)));
        QVERIFY(nev->text().endsWith(QChar(0x2026)));
        QCOMPARE(nev->toolTip(), "Tulajdonos neve: " + name);
        QVERIFY(box.findChild<QLabel *>("lblCim")->text().endsWith(QChar(0x2026)));
    }

    void linksOpenBrowserAndMail()
    {
        Settings settings;
        TAboutBox box(settings);
        QList<QUrl> opened;
        box.setUrlOpener([&](const QUrl &url) { opened << url; });
        auto *web = box.findChild<QLabel *>("lblWeb");
        auto *mail = box.findChild<QLabel *>("lblMail");
        QVERIFY(web && mail);
        emit web->linkActivated("https://www.salvia-szoftver.hu");
        emit mail->linkActivated(TAboutBox::mailLink().toString());
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0], QUrl("https://www.salvia-szoftver.hu"));
        QCOMPARE(opened[1].scheme(), QString("mailto"));
        QCOMPARE(opened[1].path(), Settings::vendorSupportAddress());
        QVERIFY(QUrlQuery(opened[1]).queryItemValue("subject", QUrl::FullyDecoded).contains("Salvia"));
        QVERIFY(mail->text().contains(Settings::vendorSupportAddress()));
    }
};

QTEST_MAIN(TestAppAboutBox)
#include "tst_aboutbox.moc"
