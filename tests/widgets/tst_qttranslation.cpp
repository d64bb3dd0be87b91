#include "widgets/UiQtTranslation.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
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

    // The file dialog's list: a folder's type and the modification dates in Hungarian.
    void fileDialogListInHungarian()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("mentesek"));
        QFile file(dir.filePath("leltar.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setFileTime(QDateTime(QDate(2026, 12, 10), QTime(14, 5)), QFileDevice::FileModificationTime));
        file.close();
        QFileDialog dialog(nullptr, "Megnyitás", dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        UiQtTranslation::hungarianFileList(dialog);
        dialog.show();
        auto *view = dialog.findChild<QTreeView *>("treeView");
        QVERIFY(view);
        QAbstractItemModel *model = view->model();
        const QModelIndex root = view->rootIndex();
        QTRY_COMPARE(model->rowCount(root), 2);
        QStringList types;
        QStringList dates;
        QStringList headers;
        for (int column = 0; column < model->columnCount(root); ++column)
            headers << model->headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < 2; ++row) {
            types << model->index(row, 2, root).data().toString();
            dates << model->index(row, 3, root).data().toString();
        }
        QVERIFY2(!types.contains("Folder"), qPrintable(types.join(", ")));
        QVERIFY2(dates.contains("2026.12.10. 14:05"), qPrintable(dates.join(", ")));
        for (const QString &header : headers)
            QVERIFY2(!QStringList({"Name", "Size", "Type", "Kind", "Date Modified"}).contains(header), qPrintable(header));
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
