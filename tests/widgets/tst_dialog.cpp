#include "widgets/UiSymbolPictures.h"
#include "widgets/frmDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

// Runs `action` as soon as `dialog` waits modally for an answer. A dialog still waiting after
// five seconds is closed with -1 so a broken case fails instead of hanging.
static void whenWaiting(QDialog *dialog, std::function<void()> action)
{
    auto *poll = new QTimer(dialog);
    poll->setInterval(5);
    auto *elapsed = new QElapsedTimer;
    elapsed->start();
    QObject::connect(poll, &QTimer::timeout, dialog, [=] {
        if (QApplication::activeModalWidget() == dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            delete elapsed;
            action();
        } else if (elapsed->elapsed() > 5000) {
            poll->stop();
            poll->deleteLater();
            delete elapsed;
            dialog->done(-1);
        }
    });
    poll->start();
}

// Counts the times a widget is hidden.
class HideCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            ++count;
        return false;
    }
};

class TestAppDialog : public QObject
{
    Q_OBJECT
private:
    static QPushButton *buttonCaptioned(TfrmDialog &dialog, const QString &caption)
    {
        for (QPushButton *button : dialog.buttons()) {
            if (button->text() == caption)
                return button;
        }
        return nullptr;
    }
    static QImage shownImage(TfrmDialog &dialog)
    {
        return dialog.findChild<QLabel *>("imgSzimbolum")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    }
    // A modal message with one "OK" button, answered at once.
    static void showAnswered(TfrmDialog &dialog, int symbol)
    {
        whenWaiting(&dialog, [&dialog] { dialog.buttons().first()->click(); });
        dialog.showMessage("Információ", symbol, "szöveg", "OK");
    }

private slots:
    void fixedLayout()
    {
        TfrmDialog dialog;
        QCOMPARE(dialog.size(), QSize(345, 103));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(dialog.findChild<QLabel *>("imgSzimbolum")->geometry(), QRect(16, 16, 32, 32));
        QCOMPARE(dialog.findChild<QLabel *>("LabelMessage")->geometry(), QRect(72, 16, 265, 54));
        QVERIFY(dialog.findChild<QLabel *>("LabelMessage")->wordWrap());
        auto *blink = dialog.findChild<QTimer *>("timBlink");
        QVERIFY(blink);
        QCOMPARE(blink->interval(), 500);
        QVERIFY(!blink->isActive());
    }

    void buttonPlacement_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("one") << QStringList {"OK"} << QList<int> {132};
        QTest::newRow("two") << QStringList {"Igen", "Nem"} << QList<int> {46, 218};
        QTest::newRow("three") << QStringList {"Igen", "Nem", "Súgó"} << QList<int> {17, 131, 245};
        QTest::newRow("four") << QStringList {"OK", "Mégse", "Újra", "Súgó"} << QList<int> {3, 89, 175, 261};
        // An empty slot keeps its column free.
        QTest::newRow("gap") << QStringList {"OK", "", "Súgó"} << QList<int> {17, 245};
        QTest::newRow("last slot only") << QStringList {"", "", "", "Bezár"} << QList<int> {261};
    }
    void buttonPlacement()
    {
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, lefts);
        while (captions.size() < 4)
            captions << QString();
        const QStringList given = captions.filter(QRegularExpression(".+"));

        TfrmDialog dialog;
        QList<QRect> geometries;
        QStringList texts;
        whenWaiting(&dialog, [&] {
            for (QPushButton *button : dialog.buttons()) {
                geometries << button->geometry();
                texts << button->text();
                QVERIFY(button->isVisible());
            }
            dialog.buttons().first()->click();
        });
        const int result
            = dialog.showMessage("Kérdés", 4, "Biztos?", captions[0], captions[1], captions[2], captions[3]);

        QCOMPARE(result, buttonResult(given.first()));
        QCOMPARE(texts, given);
        QCOMPARE(geometries.size(), lefts.size());
        for (int i = 0; i < lefts.size(); ++i)
            QCOMPARE(geometries[i], QRect(lefts[i], 72, 80, geometries[i].height()));
        // The buttons go when the dialog closes.
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.buttons().isEmpty());
        QVERIFY(dialog.findChildren<QPushButton *>().isEmpty());
    }

    void clickedResult_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << "OK" << 1;
        QTest::newRow("Mégse") << "Mégse" << 2;
        QTest::newRow("Bezár") << "Bezár" << 2;
        QTest::newRow("Megszakít") << "Megszakít" << 3;
        QTest::newRow("Újra") << "Újra" << 4;
        QTest::newRow("Visszavon") << "Visszavon" << 5;
        QTest::newRow("Igen") << "Igen" << 6;
        QTest::newRow("Nem") << "Nem" << 7;
        QTest::newRow("Súgó") << "Súgó" << 8;
    }
    void clickedResult()
    {
        QFETCH(QString, caption);
        QFETCH(int, result);
        // The clicked button sits between two others, so its own kind decides the result.
        const QString before = caption == "OK" ? "Mégse" : "OK";
        TfrmDialog dialog;
        whenWaiting(&dialog, [&] { QTest::mouseClick(buttonCaptioned(dialog, caption), Qt::LeftButton); });
        QCOMPARE(
            dialog.showMessage("Kérdés", 4, "Melyik?", before, caption, "Súgó" == caption ? "Nem" : "Súgó"), result);
        QVERIFY(!dialog.isVisible());
    }

    void keyboard_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter on OK") << QStringList {"OK"} << int(Qt::Key_Return) << 1;
        QTest::newRow("Enter, Igen/Nem/Súgó") << QStringList {"Igen", "Nem", "Súgó"} << int(Qt::Key_Return) << 6;
        QTest::newRow("Enter, Nem before Igen") << QStringList {"Nem", "Igen"} << int(Qt::Key_Enter) << 6;
        QTest::newRow("Enter, OK/Mégse") << QStringList {"OK", "Mégse"} << int(Qt::Key_Return) << 1;
        QTest::newRow("Escape, Igen/Nem/Súgó") << QStringList {"Igen", "Nem", "Súgó"} << int(Qt::Key_Escape) << 7;
        QTest::newRow("Escape, OK/Mégse") << QStringList {"OK", "Mégse"} << int(Qt::Key_Escape) << 2;
        // With both, Escape is "Mégse": the question stays undecided rather than answered "Nem".
        QTest::newRow("Escape, Igen/Nem/Mégse") << QStringList {"Igen", "Nem", "Mégse"} << int(Qt::Key_Escape) << 2;
        QTest::newRow("Escape, Mégse before Nem") << QStringList {"Mégse", "Nem", "Súgó"} << int(Qt::Key_Escape) << 2;
        // Without a "Mégse" or "Nem" button Escape does nothing (0: still waiting).
        QTest::newRow("Escape on OK") << QStringList {"OK"} << int(Qt::Key_Escape) << 0;
        QTest::newRow("Escape on Súgó") << QStringList {"Igen", "Súgó"} << int(Qt::Key_Escape) << 0;
    }
    void keyboard()
    {
        QFETCH(QStringList, captions);
        QFETCH(int, key);
        QFETCH(int, result);
        while (captions.size() < 4)
            captions << QString();
        TfrmDialog dialog;
        bool stillWaiting = false;
        whenWaiting(&dialog, [&] {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
            QTest::keyClick(target, Qt::Key(key));
            stillWaiting = dialog.isVisible();
            if (stillWaiting)
                dialog.done(0);
        });
        const int answer
            = dialog.showMessage("Kérdés", 4, "Biztos?", captions[0], captions[1], captions[2], captions[3]);
        QCOMPARE(stillWaiting, result == 0);
        QCOMPARE(answer, result);
    }

    void closeBoxAnswersTwo_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("Igen/Nem/Súgó") << QStringList {"Igen", "Nem", "Súgó"};
        QTest::newRow("Igen/Nem/Mégse") << QStringList {"Igen", "Nem", "Mégse"};
        QTest::newRow("OK") << QStringList {"OK"};
        QTest::newRow("Újra/Megszakít") << QStringList {"Újra", "Megszakít"};
    }
    void closeBoxAnswersTwo()
    {
        QFETCH(QStringList, captions);
        while (captions.size() < 4)
            captions << QString();
        TfrmDialog dialog;
        whenWaiting(&dialog, [&] { dialog.close(); });
        QCOMPARE(dialog.showMessage("Kérdés", 4, "Biztos?", captions[0], captions[1], captions[2], captions[3]), 2);
        QVERIFY(!dialog.isVisible());
    }

    void symbolPicture_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QString>("picture");
        QTest::newRow("flat information") << 0 << 3 << "D3";
        QTest::newRow("3D information") << 10 << 3 << "D13";
        QTest::newRow("flat stopwatch") << 0 << 9 << "D9";
        QTest::newRow("3D warning") << 10 << 1 << "D11";
        QTest::newRow("shaded number given directly") << 0 << 14 << "D14";
        // The previous message showed "D2": these keep it.
        QTest::newRow("zero keeps") << 0 << 0 << "D2";
        QTest::newRow("negative keeps") << 10 << -1 << "D2";
        QTest::newRow("20 keeps") << 0 << 20 << "D2";
        QTest::newRow("no picture D10") << 0 << 10 << "D2";
        QTest::newRow("no picture D25") << 10 << 15 << "D2";
    }
    void symbolPicture()
    {
        QFETCH(int, offset);
        QFETCH(int, symbol);
        QFETCH(QString, picture);
        TfrmDialog dialog;
        showAnswered(dialog, Symbol::Error);
        QCOMPARE(dialog.symbolName(), QString("D2"));

        dialog.setSymbolOffset(offset);
        QCOMPARE(dialog.symbolOffset(), offset);
        showAnswered(dialog, symbol);
        QCOMPARE(dialog.symbolName(), picture);
        QCOMPARE(shownImage(dialog), symbolImage(picture));
    }

    void textLineBreaksAndPlainText()
    {
        TfrmDialog dialog;
        QString shownText;
        whenWaiting(&dialog, [&] {
            shownText = dialog.findChild<QLabel *>("LabelMessage")->text();
            dialog.buttons().first()->click();
        });
        dialog.showMessage("Figyelmeztetés", 1, "A kért súgótémakör nem elérhető: \r<[setup.htm]>\r\nvége", "OK");
        QCOMPARE(shownText, QString("A kért súgótémakör nem elérhető: \n<[setup.htm]>\nvége"));
        QCOMPARE(dialog.findChild<QLabel *>("LabelMessage")->textFormat(), Qt::PlainText);
        QCOMPARE(dialog.windowTitle(), QString("Figyelmeztetés"));
    }

    // A text longer than the label widens and then heightens the dialog until every line shows,
    // within the screen; a short text keeps the fixed layout.
    void longTextGrowsToFit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("short") << QString("Biztos?") << QStringList {"Igen", "Nem"};
        QTest::newRow("shortage")
            << QString("Nincs elegendő készlet a következő anyagokból: Darált sertéshús, Burgonya, Vöröshagyma, "
                       "Tejföl 20%, Napraforgó étolaj!\rA kiadás nem hajtható végre, mert a készlet nem fedezi!")
            << QStringList {"OK"};
        QString startup = "Az adatbázis hiányos, a következő raktárak nem használhatók:";
        for (int i = 1; i <= 12; ++i)
            startup += QString("\rRaktar_%1: hiányzik a raktar.sqlite fájl").arg(i);
        QTest::newRow("start-up") << startup << QStringList {"OK", "", "Súgó"};
        QTest::newRow("long path") << QString("Nem írható: /home/konyha/" + QString(120, 'x') + "/salvia.ini")
                                   << QStringList {"OK"};
    }
    void longTextGrowsToFit()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, captions);
        while (captions.size() < 4)
            captions << QString();
        TfrmDialog dialog;
        QRect label;
        QSize size;
        QRect frame;
        QList<QRect> buttons;
        int needed = 0;
        int neededWidth = 0;
        whenWaiting(&dialog, [&] {
            QApplication::processEvents();
            auto *shown = dialog.findChild<QLabel *>("LabelMessage");
            label = shown->geometry();
            needed = shown->heightForWidth(label.width());
            neededWidth = shown->fontMetrics()
                              .boundingRect(QRect(0, 0, label.width(), 1 << 20), Qt::TextWordWrap, shown->text())
                              .width();
            size = dialog.size();
            frame = dialog.geometry();
            for (QPushButton *button : dialog.buttons())
                buttons << button->geometry();
            dialog.buttons().first()->click();
        });
        QCOMPARE(dialog.showMessage("Figyelmeztetés", 1, text, captions[0], captions[1], captions[2], captions[3]),
            buttonResult(captions[0]));
        QVERIFY(size.width() >= 345 && size.height() >= 103);
        QCOMPARE(label.topLeft(), QPoint(72, 16));
        QVERIFY(label.width() >= 265 && label.height() >= 54);
        QVERIFY2(needed <= label.height(), qPrintable(QString("%1 > %2").arg(needed).arg(label.height())));
        QVERIFY(neededWidth <= label.width());
        QCOMPARE(size, QSize(label.width() + 80, label.height() + 49));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
        for (const QRect &button : buttons) {
            QCOMPARE(button.top(), label.bottom() + 3);
            QVERIFY(button.left() >= 0 && button.right() < size.width());
        }
        if (QTest::currentDataTag() == QByteArray("short"))
            QCOMPARE(size, QSize(345, 103));
    }

    // More text than the screen can hold: the dialog stops at the screen's edges.
    void hugeTextStaysOnTheScreen()
    {
        TfrmDialog dialog;
        QString longText;
        for (int i = 0; i < 200; ++i)
            longText += QString("A %1. sor egy nagyon hosszú üzenet része,\r").arg(i);
        QRect frame;
        whenWaiting(&dialog, [&] {
            QApplication::processEvents();
            frame = dialog.geometry();
            dialog.buttons().first()->click();
        });
        QCOMPARE(dialog.showMessage("Információ", 3, longText, "OK"), 1);
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
        QVERIFY(frame.height() > 103);
    }

    void progressNotice()
    {
        TfrmDialog dialog;
        auto *blink = dialog.findChild<QTimer *>("timBlink");
        auto *symbol = dialog.findChild<QLabel *>("imgSzimbolum");
        auto *label = dialog.findChild<QLabel *>("LabelMessage");

        dialog.showProgress("Leltár számítása...");
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.progressShown());
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.windowTitle(), QString("Folyamat"));
        QCOMPARE(dialog.symbolName(), QString("D9"));
        QVERIFY(dialog.buttons().isEmpty());
        QVERIFY(blink->isActive());

        dialog.setProgressText("Anyag: 12\rLeltár számítása...");
        QCOMPARE(label->text(), QString("Anyag: 12\nLeltár számítása..."));
        // The symbol blinks.
        QTRY_VERIFY_WITH_TIMEOUT(!symbol->isVisible(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(symbol->isVisible(), 3000);

        dialog.hideProgress();
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.progressShown());
        QVERIFY(!blink->isActive());
        QVERIFY(symbol->isVisibleTo(&dialog));
        // Nothing shown: no effect.
        dialog.hideProgress();
        dialog.setProgressText("semmi");
        QCOMPARE(label->text(), QString("Anyag: 12\nLeltár számítása..."));
    }

    void nonModalFlag()
    {
        TfrmDialog dialog;
        dialog.setNonModal(true);
        QVERIFY(dialog.nonModal());
        QCOMPARE(dialog.ShowMessage("Folyamat", 9, "Mentés folyamatban..."), 1);
        QVERIFY(!dialog.nonModal());
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.findChild<QTimer *>("timBlink")->isActive());
        dialog.hideProgress();
        QVERIFY(!dialog.isVisible());
    }

    void progressThenQuestion()
    {
        TfrmDialog dialog;
        auto *blink = dialog.findChild<QTimer *>("timBlink");
        dialog.showProgress("Kiadás folyamatban...");
        QVERIFY(dialog.isVisible());

        HideCounter hides;
        dialog.installEventFilter(&hides);
        QString caption;
        bool blinking = true;
        bool symbolVisible = false;
        int hiddenBefore = -1;
        bool modal = false;
        whenWaiting(&dialog, [&] {
            caption = dialog.windowTitle();
            blinking = blink->isActive();
            symbolVisible = dialog.findChild<QLabel *>("imgSzimbolum")->isVisible();
            hiddenBefore = hides.count;
            modal = dialog.isModal();
            // The question waits: a moment later it is still there.
            QTest::qWait(50);
            QVERIFY(dialog.isVisible());
            buttonCaptioned(dialog, "Nem")->click();
        });
        const int answer = dialog.ShowMessage("Kérdés", 4, "Folytatja?", "Igen", "Nem");
        QCOMPARE(answer, 7);
        QCOMPARE(hiddenBefore, 1); // the notice was taken down before the question
        QCOMPARE(caption, QString("Kérdés"));
        QVERIFY(!blinking);
        QVERIFY(symbolVisible);
        QVERIFY(modal);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.progressShown());
        // The notice is gone: hiding it now changes nothing.
        dialog.hideProgress();
        QVERIFY(!dialog.isVisible());
    }

    void messageWhileWaiting()
    {
        // A second message raised while the first waits gets its own window; the first keeps
        // its buttons and answers normally afterwards.
        TfrmDialog dialog;
        int innerAnswer = 0;
        QStringList outerButtons;
        whenWaiting(&dialog, [&] {
            QTimer::singleShot(0, [&] {
                for (QWidget *window : QApplication::topLevelWidgets()) {
                    auto *inner = qobject_cast<TfrmDialog *>(window);
                    if (inner && inner != &dialog && inner->isVisible()) {
                        whenWaiting(inner, [inner] { inner->buttons().first()->click(); });
                        return;
                    }
                }
            });
            dialog.setNonModal(true); // a notice cannot cover a waiting question
            QCOMPARE(dialog.showMessage("Folyamat", 9, "közben"), 1);
            innerAnswer = dialog.showMessage("HIBA!", 2, "Belső hiba", "OK");
            for (QPushButton *button : dialog.buttons())
                outerButtons << button->text();
            buttonCaptioned(dialog, "Igen")->click();
        });
        QCOMPARE(dialog.showMessage("Kérdés", 4, "Külső kérdés", "Igen", "Nem"), 6);
        QCOMPARE(innerAnswer, 1);
        QCOMPARE(outerButtons, QStringList({"Igen", "Nem"}));
        QCOMPARE(dialog.windowTitle(), QString("Kérdés"));
    }

    void takesFocusBack()
    {
        QWidget other;
        other.setWindowTitle("Másik ablak");
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));

        TfrmDialog dialog;
        dialog.showProgress("Dolgozom...");
        QTRY_VERIFY(dialog.isActiveWindow());
        other.activateWindow();
        QTest::qWait(100); // let the activation arrive
        QTRY_VERIFY(dialog.isActiveWindow());
        dialog.hideProgress();
    }
};

QTEST_MAIN(TestAppDialog)
#include "tst_dialog.moc"
