#include "core/Refusal.h"
#include "master/CodeTableStore.h"
#include "master/ui/frmUjAnyag.h"
#include "master/ui/frmUjKodtar.h"
#include "master/ui/frmUjPartner.h"
#include "master/ui/frmUjRecept.h"
#include "master/ui/frmUjReceptA.h"
#include "menu/ui/frmUjEtlap.h"
#include "menu/ui/frmUjKiszabat_Mod3.h"
#include "menu/ui/frmUjLetszam.h"
#include "support/ScreenRun.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

// Every edit dialog opened on an entry it can record: Enter on its last field moves to
// "&Rögzít" and Enter there records; F1 asks for the dialog's help page.
class TestEditDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScreenRun> m_run;
    std::unique_ptr<CodeTableStore> m_units;
    RationSheet m_sheet;
    QString m_saved;

    bool counted(const QString &sql) const
    {
        return m_run->value(sql) == QLatin1String("1");
    }

    // The dialog of the row, filled in, and the query that counts what it records (empty: the
    // dialog's save call records into m_saved).
    std::pair<UiEditDialog *, QString> open(const QString &which)
    {
        ScreenRun &run = *m_run;
        if (which == QLatin1String("partner")) {
            auto *dialog = new TfrmUjPartner(run.services, run.warehouse());
            dialog->edtNev->setText(QStringLiteral("Enter Bt."));
            dialog->edtIrszam->setText(QStringLiteral("6720"));
            dialog->edtTelepules->setText(QStringLiteral("Szeged"));
            dialog->edtUtca->setText(QStringLiteral("Tisza u. 2."));
            return {dialog, QStringLiteral("SELECT COUNT(*) FROM \"Partner\" WHERE \"Nev\" = 'Enter Bt.'")};
        }
        if (which == QLatin1String("material")) {
            auto *dialog = new TfrmUjAnyag(run.services, run.warehouse());
            dialog->edtMegnevezes->setText(QStringLiteral("Enter-liszt"));
            return {dialog, QStringLiteral("SELECT COUNT(*) FROM \"Anyag\" WHERE \"Megnevezes\" = 'Enter-liszt'")};
        }
        if (which == QLatin1String("code table")) {
            m_units = std::make_unique<CodeTableStore>(run.warehouse(), CodeTables::member(CodeTableId::Units));
            auto *dialog = new TfrmUjKodtar(run.services, *m_units);
            qobject_cast<QLineEdit *>(dialog->control(QStringLiteral("MertKod")))->setText(QStringLiteral("EN"));
            qobject_cast<QLineEdit *>(dialog->control(QStringLiteral("Megnevezes")))->setText(QStringLiteral("Enter"));
            return {dialog, QStringLiteral("SELECT COUNT(*) FROM \"Mertegys\" WHERE \"MertKod\" = 'EN'")};
        }
        if (which == QLatin1String("recipe header")) {
            auto *dialog = new TfrmUjRecept(run.services, run.warehouse());
            dialog->setNewMode();
            dialog->edtMegnevezes->setText(QStringLiteral("Enter-leves"));
            return {dialog, QStringLiteral("SELECT COUNT(*) FROM \"ReceptFej\" WHERE \"Megnevezes\" = 'Enter-leves'")};
        }
        if (which == QLatin1String("recipe line")) {
            auto *dialog = new TfrmUjReceptA(run.services, run.warehouse(), QStringLiteral("0007"));
            dialog->setNewMode();
            dialog->edtMennyiseg->setText(QStringLiteral("2"));
            dialog->edtMennyiseg->setModified(true);
            return {dialog, QStringLiteral("SELECT COUNT(*) FROM \"Recept\" WHERE \"EtelKod\" = '0007'")};
        }
        if (which == QLatin1String("menu row")) {
            auto *dialog = new TfrmUjEtlap(run.services, run.warehouse());
            dialog->setNewMode(QDate(2026, 3, 13));
            return {dialog, QStringLiteral("SELECT COUNT(*) FROM \"Etlap\" WHERE \"Datum\" = '2026-03-13'")};
        }
        if (which == QLatin1String("headcount")) {
            return {new TfrmUjLetszam(run.services, QStringLiteral("Ebéd"), 40,
                        [this](int count) {
                            m_saved = QString::number(count);
                            return Refusal();
                        }),
                QString()};
        }
        const auto save = [this](const MaterialKey &key, double quantity) {
            m_saved = key.text() + QLatin1Char(' ') + QString::number(quantity);
            return Refusal();
        };
        const TfrmUjKiszabat_mod::Accounts accounts {{QStringLiteral("211"), QStringLiteral("Élelmiszer")}};
        TfrmUjKiszabat_mod *dialog = which == QLatin1String("ration total")
            ? new TfrmUjKiszabat_mod(run.services, m_sheet, accounts, save)
            : new TfrmUjKiszabat_Mod3(run.services, m_sheet, accounts, save);
        dialog->editExisting(MaterialKey {QStringLiteral("211"), QStringLiteral("0001")}, 2);
        return {dialog, QString()};
    }

private slots:
    void init()
    {
        m_run = std::make_unique<ScreenRun>(QDate(2026, 3, 10));
        QVERIFY2(m_run->db.isValid(), qPrintable(m_run->db.errorText()));
        m_run->settings.setLezartHoDat(QDate(2026, 2, 28));
        m_run->exec("INSERT INTO \"Fokszam\" (\"FokonyviSzam\", \"Megnevezes\") VALUES ('211', 'Élelmiszer')");
        m_run->exec("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", "
                    "\"Kerekites\") VALUES ('211', '0001', 'Liszt', 'kg', 2)");
        m_run->exec("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Tip\", \"Enorma\") VALUES ('01', "
                    "'Ebéd', '2', '01')");
        m_run->exec("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Enorma\") VALUES ('0007', "
                    "'Gulyásleves', '01')");
        m_saved.clear();
    }

    void cleanup()
    {
        m_units.reset();
        m_run.reset();
    }

    void enterOnTheLastFieldRecords_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("saved");
        QTest::newRow("partner") << "partner" << "";
        QTest::newRow("material") << "material" << "";
        QTest::newRow("code table") << "code table" << "";
        QTest::newRow("recipe header") << "recipe header" << "";
        QTest::newRow("recipe line") << "recipe line" << "";
        QTest::newRow("menu row") << "menu row" << "";
        QTest::newRow("headcount") << "headcount" << "40";
        QTest::newRow("ration total") << "ration total" << "211/0001 2";
        QTest::newRow("ration line") << "ration line" << "211/0001 2";
    }
    void enterOnTheLastFieldRecords()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, saved);
        const auto [opened, countSql] = open(dialog);
        const std::unique_ptr<UiEditDialog> editor(opened);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        QApplication::setActiveWindow(editor.get());

        const QList<QWidget *> &chain = editor->enterChain();
        QCOMPARE(chain.last(), editor->btnRogzit);
        QWidget *last = chain.at(chain.size() - 2);
        last->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), editor->btnRogzit);
        if (!countSql.isEmpty())
            QVERIFY(!counted(countSql));
        QVERIFY(m_saved.isEmpty());

        QTest::keyClick(editor->btnRogzit, Qt::Key_Return);
        if (countSql.isEmpty())
            QCOMPARE(m_saved, saved);
        else
            QVERIFY(counted(countSql));
    }

    void f1AsksForTheHelpPage_data()
    {
        enterOnTheLastFieldRecords_data();
    }
    void f1AsksForTheHelpPage()
    {
        QFETCH(QString, dialog);
        const std::unique_ptr<UiEditDialog> editor(open(dialog).first);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        QApplication::setActiveWindow(editor.get());
        m_run->messenger.clear();
        QTest::keyClick(editor.get(), Qt::Key_F1);
        QCOMPARE(m_run->messenger.texts().size(), 1);
        QVERIFY2(m_run->messenger.texts().first().startsWith(QStringLiteral("A kért súgótémakör nem elérhető")),
            qPrintable(m_run->messenger.texts().first()));
    }
};

QTEST_MAIN(TestEditDialogs)
#include "tst_editdialogs.moc"
