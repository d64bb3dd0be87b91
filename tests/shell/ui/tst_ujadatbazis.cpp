#include "shell/ui/frmUjAdatbazis.h"
#include "core/ScriptedMessenger.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestAppUjAdatbazis : public QObject
{
    Q_OBJECT
private:
    static void fill(QWidget *dialog, const QString &password2 = QStringLiteral("Jelszó1"),
        const QString &user = QStringLiteral("Főnök"))
    {
        const QList<QPair<const char *, QString>> values {{"edtCegNev", QStringLiteral("Kis Bocs Bölcsőde")},
            {"edtCegIrsz", QStringLiteral("6720")}, {"edtCegVaros", QStringLiteral("Szeged")},
            {"edtCegCim", QStringLiteral("Tisza L. krt. 5.")}, {"edtUserName", user},
            {"edtPassword", QStringLiteral("Jelszó1")}, {"edtPassword2", password2}};
        for (const auto &value : values) {
            auto *edit = dialog->findChild<QLineEdit *>(QString::fromLatin1(value.first));
            QVERIFY2(edit, value.first);
            edit->setText(value.second);
        }
    }
    static QPushButton *button(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QPushButton *>(QString::fromLatin1(name));
    }

private slots:
    void createsTheDatabaseFromTheTypedValues()
    {
        QTemporaryDir temp;
        const QString dbPath = temp.filePath(QStringLiteral("adat"));
        ScriptedMessenger messenger;
        TfrmUjAdatbazis dialog(messenger, dbPath);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Új adatbázis létrehozása"));
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edtPassword"))->echoMode(), QLineEdit::Password);
        fill(&dialog);
        button(&dialog, "btnRogzit")->click();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(messenger.shown().isEmpty());
        QVERIFY(!messenger.progressVisible());
        QCOMPARE(messenger.progressTexts().size(), 21);
        QCOMPARE(
            messenger.progressTexts().last(), QStringLiteral("Az adatbázis létrehozása folyamatban...\r20. konyha"));
        QVERIFY(DatabaseCreator::holdsDatabase(dbPath));
        QSqlQuery query(Database::warehouse(dbPath, 20));
        QVERIFY(
            query.exec(QStringLiteral("SELECT Nev, Telepules FROM Partner WHERE PartAzon = '00001'")) && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("Kis Bocs Bölcsőde"));
        QCOMPARE(query.value(1).toString(), QStringLiteral("Szeged"));
        Database::closeAll(dbPath);
    }

    void refusalsStayOnTheField_data()
    {
        QTest::addColumn<QString>("password2");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("passwords differ") << "jelszó1"
                                          << "Főnök"
                                          << "A két jelszó nem egyezik!"
                                          << "edtPassword2";
        QTest::newRow("no user name") << "Jelszó1"
                                      << ""
                                      << "A felhasználónév megadása kötelező!"
                                      << "edtUserName";
    }
    void refusalsStayOnTheField()
    {
        QFETCH(QString, password2);
        QFETCH(QString, user);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QTemporaryDir temp;
        const QString dbPath = temp.filePath(QStringLiteral("adat"));
        ScriptedMessenger messenger;
        TfrmUjAdatbazis dialog(messenger, dbPath);
        fill(&dialog, password2, user);
        button(&dialog, "btnRogzit")->click();

        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().caption, QStringLiteral("HIBA!"));
        QCOMPARE(messenger.last().symbol, 2);
        QCOMPARE(messenger.last().text, message);
        QCOMPARE(dialog.focusWidget()->objectName(), focus);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!QFileInfo::exists(dbPath));
    }

    // Enter goes from field to field in the order of the dialog and only presses "Létrehoz" when
    // it has the focus; nothing is asked or created on the way.
    void enterMovesThroughTheFields()
    {
        QTemporaryDir temp;
        ScriptedMessenger messenger;
        TfrmUjAdatbazis dialog(messenger, temp.filePath(QStringLiteral("adat")));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        fill(&dialog);
        const QStringList order {"edtCegNev", "edtCegIrsz", "edtCegVaros", "edtCegCim", "edtUserName", "edtPassword",
            "edtPassword2", "btnRogzit"};
        dialog.findChild<QLineEdit *>("edtCegNev")->setFocus();
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnRogzit"));
        QVERIFY(dialog.isVisible());
        QVERIFY(messenger.shown().isEmpty());
        QVERIFY(!QFileInfo::exists(temp.filePath(QStringLiteral("adat"))));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // Each field takes no more than the table field it is stored in; the postcode only digits.
    void fieldsAreBounded_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("owner name") << "edtCegNev" << QString(60, 'N') << QString(50, 'N');
        QTest::newRow("postcode digits") << "edtCegIrsz" << "H-6720 a" << "6720";
        QTest::newRow("postcode length") << "edtCegIrsz" << "1234567890" << "12345678";
        QTest::newRow("city") << "edtCegVaros" << QString(25, 'v') << QString(20, 'v');
        QTest::newRow("street") << "edtCegCim" << QString(35, 'u') << QString(30, 'u');
        QTest::newRow("user name") << "edtUserName" << QString(55, 'f') << QString(50, 'f');
        QTest::newRow("password") << "edtPassword" << QString(260, 'j') << QString(255, 'j');
        QTest::newRow("password again") << "edtPassword2" << QString(260, 'j') << QString(255, 'j');
    }
    void fieldsAreBounded()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QTemporaryDir temp;
        ScriptedMessenger messenger;
        TfrmUjAdatbazis dialog(messenger, temp.filePath(QStringLiteral("adat")));
        auto *edit = dialog.findChild<QLineEdit *>(field);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), kept);
    }

    void createIfMissingAsksOnlyWithoutADatabase()
    {
        QTemporaryDir temp;
        const QString dbPath = temp.filePath(QStringLiteral("adat"));
        ScriptedMessenger messenger;

        // Cancelled: no database, nothing created.
        QTimer::singleShot(0, this, [] { button(QApplication::activeModalWidget(), "btnMegse")->click(); });
        QVERIFY(!TfrmUjAdatbazis::createIfMissing(nullptr, messenger, dbPath));
        QVERIFY(!QFileInfo::exists(dbPath));

        QTimer::singleShot(0, this, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            fill(dialog);
            button(dialog, "btnRogzit")->click();
        });
        QVERIFY(TfrmUjAdatbazis::createIfMissing(nullptr, messenger, dbPath));
        QVERIFY(DatabaseCreator::holdsDatabase(dbPath));

        // With a database in place no dialog opens.
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened = true;
                button(dialog, "btnMegse")->click();
            }
        });
        QVERIFY(TfrmUjAdatbazis::createIfMissing(nullptr, messenger, dbPath));
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        QVERIFY(messenger.shown().isEmpty());
    }
};

QTEST_MAIN(TestAppUjAdatbazis)
#include "tst_ujadatbazis.moc"
