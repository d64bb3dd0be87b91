#include "widgets/UiQtTranslation.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// Qt's own dialogs and menus speak Hungarian once the translation is installed.
class TestAppQtTranslation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QTemporaryDir programDir; // no translations folder of its own: Qt's folder is used
        QVERIFY2(UiQtTranslation::install(*qApp, programDir.path()),
            "Qt's Hungarian translation (qtbase_hu.qm, Debian package qt6-translations-l10n) is missing");
    }

    void standardButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("english");
        QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << "Cancel";
        QTest::newRow("Open") << int(QDialogButtonBox::Open) << "Open";
        QTest::newRow("Save") << int(QDialogButtonBox::Save) << "Save";
    }
    void standardButtons()
    {
        QFETCH(int, button);
        QFETCH(QString, english);
        QDialogButtonBox box {QDialogButtonBox::StandardButtons(button)};
        const QString text = box.button(QDialogButtonBox::StandardButton(button))->text().remove(QLatin1Char('&'));
        QVERIFY2(!text.isEmpty() && text != english, qPrintable(text));
    }

    void editContextMenu()
    {
        QLineEdit edit;
        edit.setText(QStringLiteral("szöveg"));
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList captions;
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator())
                captions << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        }
        QVERIFY(!captions.isEmpty());
        for (const char *english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"})
            QVERIFY2(!captions.contains(QLatin1String(english)), qPrintable(captions.join(", ")));
    }

    void calendarInHungarian()
    {
        QCOMPARE(QLocale().language(), QLocale::Hungarian);
        QDateEdit edit(QDate(2024, 3, 15));
        QCOMPARE(edit.locale().language(), QLocale::Hungarian);
        QCOMPARE(edit.locale().monthName(3), QStringLiteral("március"));
    }
};

QTEST_MAIN(TestAppQtTranslation)
#include "tst_qttranslation.moc"
