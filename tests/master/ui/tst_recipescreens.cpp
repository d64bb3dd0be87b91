#include "core/DatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "master/ui/frmTallozasRecept.h"
#include "master/ui/frmUjReceptA.h"
#include "master/ui/qrpRecept.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "support/PrintedPages.h"
#include "support/TempDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The recipe screens and printouts driven as a user would.
class TestRecipeScreens : public QObject
{
    Q_OBJECT

    struct NoDates : DatePrompt
    {
        QDate askDate(const QString &) override { return noDate(); }
    };

    struct Run
    {
        TempDatabase db {QDate::currentDate()};
        QTemporaryDir programDir;
        Settings settings;
        ScriptedMessenger messenger;
        ScriptedFilePrompt files;
        NoDates dates;
        Services services {settings, messenger, files, dates};

        Run()
        {
            settings.setIniPath(programDir.filePath(QStringLiteral("salvia.ini")));
            settings.setDbPath(db.path());
            settings.setAktivRaktar(1);
            exec("INSERT INTO Fokszam (FokonyviSzam, Megnevezes) VALUES ('211', 'Élelmiszer')");
            exec("INSERT INTO Anyag (FokonyviSzam, NyilvSzam, Megnevezes, Mertekegyseg, NyilvAr, Kerekites, Energia, "
                 "Feherje) VALUES ('211', '0001', 'Liszt', 'kg', 200, 3, 1400, 100)");
            exec("INSERT INTO ReceptFej (EtelKod, Megnevezes, Enorma, Netto, Leiras, LetrDat) VALUES "
                 "('0001', 'Palacsinta', '01', 999, 'Kisütni.', '2026-01-05')");
        }
        void exec(const QString &sql)
        {
            QSqlQuery query(db.warehouse(1));
            QVERIFY2(query.exec(sql), qPrintable(sql + ": " + query.lastError().text()));
        }
        QString value(const QString &sql)
        {
            QSqlQuery query(db.warehouse(1));
            return query.exec(sql) && query.next() ? query.value(0).toString() : QStringLiteral("-");
        }
    };

private slots:
    // With ReceptFo 50, 2.5 typed on a new line is stored as 5 for 100 portions; changing that line
    // shows 5 and stores what is typed.
    void newLineQuantityIsForReceptFoPortions()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.settings.writeNumber(QStringLiteral("Szamitas"), QStringLiteral("ReceptFo"), 50);
        {
            TfrmUjReceptA edit(run.services, run.db.warehouse(1), QStringLiteral("0001"));
            edit.setNewMode();
            QCOMPARE(edit.lblMegjegyzes->text(), QStringLiteral("Az anyag mennyisége 50 adagra értendő!"));
            QCOMPARE(edit.dbcAnyag->currentText(), QStringLiteral("Liszt"));
            QCOMPARE(edit.lblMertegys->text(), QStringLiteral("kg"));
            edit.edtMennyiseg->setValue(2.5);
            edit.btnRogzit->click();
            QCOMPARE(edit.edtMennyiseg->value(), 0.0);
        }
        QCOMPARE(run.value("SELECT Mennyiseg FROM Recept"), QStringLiteral("5"));

        TfrmUjReceptA change(run.services, run.db.warehouse(1), QStringLiteral("0001"));
        change.setChangeMode(run.value("SELECT ReceptAzon FROM Recept").toLongLong());
        QCOMPARE(change.lblMegjegyzes->text(), QStringLiteral("Az anyag mennyisége 100 adagra értendő!"));
        QCOMPARE(change.edtMennyiseg->value(), 5.0);
        change.edtMennyiseg->setValue(4);
        change.btnRogzit->click();
        QCOMPARE(run.value("SELECT Mennyiseg FROM Recept"), QStringLiteral("4"));
    }

    void lineScreenClosedWithoutRecordingStillRecomputes()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO Recept (EtelKod, FokSzla, NyilvSzam, Mennyiseg) VALUES ('0001', '211', '0001', 2)");
        TfrmTallozasRecept screen(run.services);
        QCOMPARE(screen.currentCode(), QStringLiteral("0001"));
        QCOMPARE(screen.lines()->rowCount(), 1);
        QTimer::singleShot(0, [] {
            auto *edit = qobject_cast<TfrmUjReceptA *>(QApplication::activeModalWidget());
            QVERIFY(edit);
            edit->btnMegse->click();
        });
        screen.btnModAnyag->click();
        QCOMPARE(run.value("SELECT Netto FROM ReceptFej"), QStringLiteral("400"));
        QCOMPARE(run.value("SELECT Energia FROM ReceptFej"), QStringLiteral("2800"));
    }

    void recipeCardShowsValuesPerPortion()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO Recept (EtelKod, FokSzla, NyilvSzam, Mennyiseg) VALUES ('0001', '211', '0001', 2)");
        run.exec("UPDATE ReceptFej SET Energia = 2800, Feherje = 200, HSo = 1.5");
        TqrpRecept card(run.settings, run.messenger, run.db.warehouse(1), QStringLiteral("0001"));
        const QStringList texts = PrintedPages::allTexts(card.prepare());
        for (const QString &expected :
            {QStringLiteral("Élelmiszer recept"), QStringLiteral("Palacsinta"), QStringLiteral("Ételkód: 0001"),
                QStringLiteral("Létrehozás: 2026.01.05."), QStringLiteral("Hozzávalók 100 főre:"),
                QStringLiteral("Liszt"), QStringLiteral("2,000"), QStringLiteral("Kisütni."),
                QStringLiteral("28,000 KJ"), QStringLiteral("2,000 g"), QStringLiteral("0,015 g")})
            QVERIFY2(texts.contains(expected), qPrintable(expected + " not in " + texts.join(" | ")));
        QVERIFY(!texts.contains(QStringLiteral("Módosítás: ")));
    }
};

QTEST_MAIN(TestRecipeScreens)
#include "tst_recipescreens.moc"
