#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "master/Materials.h"
#include "master/ui/MasterCommands.h"
#include "master/ui/frmTallozasAnyag.h"
#include "master/ui/frmTallozasKodtar.h"
#include "master/ui/frmUjAnyag.h"
#include "master/ui/frmUjKodtar.h"
#include "master/ui/frmUjPartner.h"
#include "printing/PreparedReport.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "shell/MainMenuModel.h"
#include "support/TempDatabase.h"
#include "widgets/CommandRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(CodeTableId)

namespace {

class RecordingRegistry : public CommandRegistry
{
public:
    QHash<QString, ScreenFactory> screens;
    void registerScreen(const QString &command, ScreenFactory create, ScreenRun) override
    {
        screens.insert(command, std::move(create));
    }
    void registerAction(const QString &, std::function<void()>) override {}
};

QStringList itemTexts(const QComboBox *list)
{
    QStringList found;
    for (int i = 0; i < list->count(); ++i)
        found << list->itemText(i);
    return found;
}

QStringList texts(const PreparedReport &pages)
{
    QStringList found;
    for (const PreparedReport::Page &page : pages.pages) {
        for (const PageItem &item : page.items)
            found << item.text;
    }
    return found;
}

} // namespace

// The master-data screens: the browse/edit pattern once over the code tables' members, then
// what differs (fixed rows, loss codes, partners, materials with their allergens).
class TestMasterScreens : public QObject
{
    Q_OBJECT

    TempDatabase db;
    QTemporaryDir program;
    Settings settings;
    ScriptedMessenger messenger;
    ScriptedFilePrompt files;
    ScriptedDatePrompt dates;
    Services services{settings, messenger, files, dates};

    int count(const QString &sql)
    {
        QSqlQuery query(db.warehouse(1));
        return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
    }

    static void enter(QWidget *widget)
    {
        QTest::keyClick(widget, Qt::Key_Return);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        settings.setProgramPath(program.path());
        settings.setIniPath(program.filePath(QStringLiteral("salvia.ini")));
        settings.setDbPath(db.path());
        settings.setAktivRaktar(1);
        QSqlQuery query(db.warehouse(1));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Fokszam\" VALUES ('011', 'Élelmiszerek')")));
    }

    void init() { messenger.clear(); }

    void browseScreenOfEveryMember_data()
    {
        QTest::addColumn<CodeTableId>("id");
        for (const CodeTable &member : CodeTables::all())
            QTest::newRow(qPrintable(member.browse.screen)) << member.id;
    }
    void browseScreenOfEveryMember()
    {
        QFETCH(CodeTableId, id);
        const CodeTable &member = CodeTables::member(id);
        TfrmTallozasKodtar screen(services, id);
        QCOMPARE(screen.objectName(), member.browse.screen);
        QCOMPARE(screen.windowTitle(), member.browse.caption);
        QCOMPARE(screen.btnKilep->text(), QStringLiteral("&Bezár"));
        QCOMPARE(screen.btnFelvitel->isVisibleTo(&screen), member.canCreate);
        QCOMPARE(screen.btnTorol->isVisibleTo(&screen), member.canDelete);
        QCOMPARE(screen.btnPrint->isVisibleTo(&screen), !member.browse.reportTitle.isEmpty());
        QCOMPARE(screen.edtSearch->isVisibleTo(&screen), !member.browse.searches.isEmpty());
        QCOMPARE(screen.edtSearch->placeholderText(), QStringLiteral("Kereséshez üsse le az ENTER-t"));
        QStringList orders;
        for (const SortOrder &order : member.browse.orders)
            orders << order.caption;
        QCOMPARE(itemTexts(screen.comOrder), orders);
        QStringList searches;
        for (const SearchField &search : member.browse.searches)
            searches << search.caption;
        QCOMPARE(itemTexts(screen.comSearch), searches);
        if (!member.browse.orders.isEmpty())
            QCOMPARE(screen.comOrder->currentIndex(), member.browse.initialOrder);
        QStringList captions;
        for (int visual = 0; visual < screen.model().columnCount(); ++visual) {
            const int column = screen.DBGrid1->horizontalHeader()->logicalIndex(visual);
            if (!screen.DBGrid1->isColumnHidden(column))
                captions << screen.model().headerData(column, Qt::Horizontal).toString();
        }
        QStringList expected;
        for (const GridColumn &column : member.browse.grid)
            expected << column.caption;
        QCOMPARE(captions, expected);

        // The edit screen of the member in new mode.
        CodeTableStore store(db.warehouse(1), member);
        if (member.canCreate) {
            TfrmUjKodtar editor(services, store);
            QCOMPARE(editor.objectName(), member.editScreen);
            QCOMPARE(editor.windowTitle(), QStringLiteral("Új adat felvitele"));
            QVERIFY(editor.control(member.keyField().field)->isEnabled());
        }
    }

    void newRowThroughTheEditScreen()
    {
        TfrmTallozasKodtar screen(services, CodeTableId::MovementTypes);
        CodeTableStore store(db.warehouse(1), CodeTables::member(CodeTableId::MovementTypes));
        TfrmUjKodtar editor(services, store);
        auto *code = qobject_cast<QLineEdit *>(editor.control(QStringLiteral("MozgnemKod")));
        auto *name = qobject_cast<QLineEdit *>(editor.control(QStringLiteral("Megnevezes")));
        auto *direction = editor.findChild<QComboBox *>(QStringLiteral("comIrany"));
        QCOMPARE(direction->currentText(), QStringLiteral("BE"));
        editor.show();
        QTest::keyClicks(code, QStringLiteral("5"));
        enter(code);
        name->setText(QStringLiteral("Ajándék"));
        editor.btnRogzit->click();
        QCOMPARE(messenger.last().text, QStringLiteral("A mozgásnem kód már létezik!\rMég nem létező számot adhat meg csak"));
        QCOMPARE(editor.focusWidget(), code);
        code->setText(QStringLiteral("25"));
        direction->setCurrentIndex(1);
        editor.btnRogzit->click();
        QCOMPARE(messenger.last().text, QStringLiteral("Az új adat bekerült az adatbázisba"));
        QCOMPARE(store.read(QStringLiteral("25")).value(QStringLiteral("Irany")).toString(), QStringLiteral("KI"));
        QVERIFY(code->text().isEmpty());
        QCOMPARE(direction->currentText(), QStringLiteral("BE"));
        QVERIFY(editor.isVisible());
    }

    void searchAndOrderKeepTheRow()
    {
        TfrmTallozasKodtar screen(services, CodeTableId::MealTypes);
        screen.show();
        screen.comSearch->setCurrentIndex(1);
        screen.edtSearch->setText(QStringLiteral("ebÉ"));
        enter(screen.edtSearch);
        QCOMPARE(screen.currentKey(), QStringList{QStringLiteral("03")});
        QVERIFY(messenger.shown().isEmpty());
        screen.edtSearch->setText(QStringLiteral("Vacsora után"));
        enter(screen.edtSearch);
        QCOMPARE(messenger.last().text, QStringLiteral("A keresett elem nem található!"));
        QCOMPARE(screen.currentKey(), QStringList{QStringLiteral("03")});

        TfrmTallozasKodtar ledgers(services, CodeTableId::LedgerAccounts);
        ledgers.edtSearch->setText(QStringLiteral("x1"));
        enter(ledgers.edtSearch);
        QCOMPARE(messenger.last().text, QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak számot tartalmazhat!"));

        TfrmTallozasKodtar movements(services, CodeTableId::MovementTypes);
        movements.DBGrid1->setCurrentIndex(movements.model().index(3, 0));
        const QStringList key = movements.currentKey();
        movements.comOrder->setCurrentIndex(1);
        QCOMPARE(movements.currentKey(), key);
    }

    void deleteAsksAndFixedRowsStay()
    {
        CodeTableStore store(db.warehouse(1), CodeTables::member(CodeTableId::MovementTypes));
        QCOMPARE(store.insert({{QStringLiteral("MozgnemKod"), QStringLiteral("31")},
                     {QStringLiteral("Megnevezes"), QStringLiteral("Próba")}, {QStringLiteral("Irany"), QStringLiteral("BE")}}),
            Refusal());
        TfrmTallozasKodtar screen(services, CodeTableId::MovementTypes);
        screen.edtSearch->setText(QStringLiteral("31"));
        enter(screen.edtSearch);
        messenger.answer(MsgResult::Cancel);
        screen.btnTorol->click();
        QCOMPARE(messenger.last().buttons, (QStringList{QStringLiteral("Mégse"), QStringLiteral("OK")}));
        QVERIFY(store.exists(QStringLiteral("31")));
        messenger.answer(MsgResult::Ok);
        screen.btnTorol->click();
        QVERIFY(!store.exists(QStringLiteral("31")));

        screen.edtSearch->setText(QStringLiteral("08"));
        enter(screen.edtSearch);
        QCOMPARE(screen.currentKey(), QStringList{QStringLiteral("08")});
        messenger.clear();
        screen.btnModosit->click();
        QCOMPARE(messenger.last().text, QStringLiteral("A tétel nem módosítható!\rGyárilag beállított érték."));
        screen.btnTorol->click();
        QCOMPARE(messenger.last().text, QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot."));
        QCOMPARE(messenger.shown().size(), 2);
    }

    void lossCodeAverageAndClose()
    {
        CodeTableStore store(db.warehouse(1), CodeTables::member(CodeTableId::LossCodes));
        TfrmUjKodtar editor(services, store);
        editor.show();
        qobject_cast<QLineEdit *>(editor.control(QStringLiteral("Vkod")))->setText(QStringLiteral("4"));
        qobject_cast<QLineEdit *>(editor.control(QStringLiteral("V01")))->setText(QStringLiteral("10"));
        qobject_cast<QLineEdit *>(editor.control(QStringLiteral("V03")))->setText(QStringLiteral("20"));
        QCOMPARE(qobject_cast<QLineEdit *>(editor.control(QStringLiteral("Vatl")))->text(), QStringLiteral("15"));
        editor.btnRogzit->click();
        QVERIFY(!editor.isVisible());
        QCOMPARE(store.read(QStringLiteral("04")).value(QStringLiteral("Vatl")).toInt(), 15);
    }

    void materialAllergensAreWrittenOnRecordOnly()
    {
        TfrmUjAnyag editor(services, db.warehouse(1));
        editor.show();
        QVERIFY(!editor.edtNyilvSzam->text().isEmpty());
        editor.edtMegnevezes->setText(QStringLiteral("Tejföl"));
        editor.lstAllergen->item(0)->setSelected(true);
        editor.chkTartalmazhat->click();
        QVERIFY(editor.lstAllergen->selectedItems().isEmpty());
        editor.lstAllergen->item(2)->setSelected(true);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAny\"")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAnyT\"")), 0);
        editor.chkTartalmazhat->click();
        QCOMPARE(editor.lstAllergen->selectedItems().size(), 1);
        QVERIFY(editor.lstAllergen->item(0)->isSelected());

        // Energy in kJ and kcal follow each other.
        QLineEdit *kj = editor.nutrient(QStringLiteral("Energia"));
        kj->clear();
        QTest::keyClicks(kj, QStringLiteral("419"));
        QCOMPARE(editor.edtKcal->text(), QStringLiteral("100"));
        editor.edtKcal->clear();
        QTest::keyClicks(editor.edtKcal, QStringLiteral("100"));
        QCOMPARE(kj->text(), QStringLiteral("419"));

        editor.edtMenySzorzo->setText(QStringLiteral("0"));
        editor.btnRogzit->click();
        QCOMPARE(messenger.last().text, QStringLiteral("Hibás értékadás!\rA mennyiségi szorzónak nullánál nagyobbnak kell lennie!"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\" WHERE \"Megnevezes\" = 'Tejföl'")), 0);
        editor.edtMenySzorzo->setText(QStringLiteral("10"));
        editor.btnRogzit->click();
        QCOMPARE(messenger.last().text, QStringLiteral("Az új adat bekerült az adatbázisba"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\" WHERE \"Megnevezes\" = 'Tejföl'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAny\" WHERE \"AzonAl\" = '01'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAnyT\" WHERE \"AzonAl\" = '03'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT \"Energia\" FROM \"Anyag\" WHERE \"Megnevezes\" = 'Tejföl'")), 4190);
        // Ready for the next material.
        QVERIFY(editor.edtMegnevezes->text().isEmpty());
        QVERIFY(editor.lstAllergen->selectedItems().isEmpty());
    }

    void materialBrowseFindsByName()
    {
        TfrmTallozasAnyag screen(services);
        screen.comSearch->setCurrentIndex(2);
        screen.edtSearch->setText(QStringLiteral("TEJF"));
        enter(screen.edtSearch);
        QCOMPARE(screen.model().value(screen.DBGrid1->currentIndex().row(), QStringLiteral("Megnevezes")).toString(),
            QStringLiteral("Tejföl"));
    }

    // Money with two decimals and grouped thousands, a material's quantities with its decimals,
    // and columns wide enough for their captions.
    void browseGridFormatsNumbersAndFitsColumns()
    {
        QSqlQuery query(db.warehouse(1));
        QVERIFY(query.exec(QStringLiteral(
            "UPDATE \"Anyag\" SET \"NyilvAr\" = 2576.66, \"KeszletErtek\" = 1234567.5, \"KeszletMennyiseg\" = 703.51263, "
            "\"Kerekites\" = 3, \"Energia\" = 30045.25 WHERE \"Megnevezes\" = 'Tejföl'")));
        TfrmTallozasAnyag screen(services);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        BrowseModel &model = screen.model();
        int row = 0;
        while (row < model.rowCount() && model.value(row, QStringLiteral("Megnevezes")).toString() != "Tejföl")
            ++row;
        QVERIFY(row < model.rowCount());
        const auto shown = [&](const char *field) {
            return model.index(row, model.fields().indexOf(QLatin1String(field))).data().toString();
        };
        QCOMPARE(shown("NyilvAr"), QString("2 576,66"));
        QCOMPARE(shown("KeszletErtek"), QString("1 234 567,50"));
        QCOMPARE(shown("KeszletMennyiseg"), QString("703,513"));
        QCOMPARE(shown("Energia"), QString("30045,25"));
        QHeaderView *header = screen.DBGrid1->horizontalHeader();
        for (int column = 0; column < model.columnCount(); ++column) {
            if (screen.DBGrid1->isColumnHidden(column))
                continue;
            const QString caption = model.headerData(column, Qt::Horizontal).toString();
            QVERIFY2(header->sectionSize(column) >= header->fontMetrics().horizontalAdvance(caption),
                qPrintable(caption));
        }
        // The export takes the numbers themselves, not the grid's grouping.
        const QString path = program.filePath(QStringLiteral("Anyag.csv"));
        files.answer(path);
        screen.btnExport->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray exported = file.readAll();
        QVERIFY(exported.contains("\"2576,66\""));
        QVERIFY(exported.contains("\"1234567,5"));
    }

    void listPrintoutInTheGridsOrder()
    {
        TfrmTallozasKodtar screen(services, CodeTableId::MealTypes);
        QStringList printed;
        screen.setPreviewer([&printed](const PreparedReport &pages, QWidget *) { printed = texts(pages); });
        screen.comOrder->setCurrentIndex(0);
        screen.btnPrint->click();
        QVERIFY(printed.contains(QStringLiteral("Étkezés tipusok")));
        QVERIFY(printed.contains(QStringLiteral("Tip. kód")));
        QVERIFY(printed.indexOf(QStringLiteral("Reggeli")) < printed.indexOf(QStringLiteral("Ebéd")));
        QVERIFY(printed.contains(QStringLiteral("Sorok száma:")));

        TfrmTallozasAnyag materials(services);
        materials.setPreviewer([&printed](const PreparedReport &pages, QWidget *) { printed = texts(pages); });
        materials.btnPrint->click();
        QVERIFY(printed.contains(QStringLiteral("Nyersanyagok listája")));
        QVERIFY(printed.contains(QStringLiteral("Tejföl")));
    }

    void csvExportOfTheDataSet()
    {
        TfrmTallozasKodtar screen(services, CodeTableId::Units);
        const QString path = program.filePath(QStringLiteral("Mertekegyseg.csv"));
        files.answer(path);
        screen.btnExport->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.readLine();
        QCOMPARE(header.trimmed(), QByteArray("\"MertKod\";\"Megnevezes\""));
        QCOMPARE(screen.DBGrid1->currentIndex().row(), 0);
    }

    void everyScreenHasItsMenuCommand()
    {
        RecordingRegistry registry;
        registerMasterCommands(registry, services);
        QCOMPARE(registry.screens.size(), 12);
        for (auto it = registry.screens.cbegin(); it != registry.screens.cend(); ++it) {
            const MainMenuEntry *entry = MainMenuModel::find(it.key());
            QVERIFY2(entry, qPrintable(it.key()));
            const std::unique_ptr<QDialog> screen = it.value()(nullptr);
            QCOMPARE(screen->objectName(), entry->screen);
        }
    }

    void materialKeepsStoredValuesThatItsFieldsShowRounded()
    {
        QSqlDatabase wh = db.warehouse(1);
        MaterialEntry walnut;
        walnut.ledger = QStringLiteral("011");
        walnut.registerNumber = QStringLiteral("0901");
        walnut.name = QStringLiteral("Dió");
        walnut.multiplier = 10;
        walnut.rounding = 0;
        walnut.minimum = 2.5;
        walnut.maximum = 10.25;
        walnut.nutrients = {
            {QStringLiteral("Energia"), 3004.5}, {QStringLiteral("Feherje"), 1.2345}, {QStringLiteral("So"), 0.00125}};
        QVERIFY(Materials::insert(wh, walnut).isNull());
        const auto stored = [&](const QString &field) {
            QSqlQuery query(wh);
            query.exec(QStringLiteral("SELECT \"%1\" FROM \"Anyag\" WHERE \"NyilvSzam\" = '0901'").arg(field));
            return query.next() ? query.value(0).toDouble() : -1.0;
        };

        // Recorded unchanged, nothing is rewritten from its rounded display.
        {
            TfrmUjAnyag editor(services, wh, QStringLiteral("011"), QStringLiteral("0901"));
            QCOMPARE(editor.nutrient(QStringLiteral("Energia"))->text(), QStringLiteral("3004"));
            QCOMPARE(editor.nutrient(QStringLiteral("Feherje"))->text(), QStringLiteral("1,23"));
            QCOMPARE(editor.edtKeszletMin->text(), QStringLiteral("2"));
            editor.comKerekites->setCurrentIndex(1);
            editor.btnRogzit->click();
            QVERIFY(messenger.texts().isEmpty() || messenger.last().symbol == Symbol::Information);
        }
        QCOMPARE(stored(QStringLiteral("Energia")), 30045.0);
        QCOMPARE(stored(QStringLiteral("Feherje")), 12.345);
        QCOMPARE(stored(QStringLiteral("So")), 0.0125);
        QCOMPARE(stored(QStringLiteral("KeszletMin")), 2.5);
        QCOMPARE(stored(QStringLiteral("KeszletMax")), 10.25);
        QCOMPARE(stored(QStringLiteral("Kerekites")), 1.0);

        // An edited field is the user's; the kJ typed through the kcal field too.
        {
            TfrmUjAnyag editor(services, wh, QStringLiteral("011"), QStringLiteral("0901"));
            editor.nutrient(QStringLiteral("Feherje"))->setText(QStringLiteral("2"));
            editor.edtKcal->setText(QStringLiteral("100"));
            emit editor.edtKcal->textEdited(editor.edtKcal->text());
            editor.edtKeszletMin->setText(QStringLiteral("3"));
            editor.btnRogzit->click();
        }
        QCOMPARE(stored(QStringLiteral("Feherje")), 20.0);
        QCOMPARE(stored(QStringLiteral("Energia")), 4190.0);
        QCOMPARE(stored(QStringLiteral("So")), 0.0125);
        QCOMPARE(stored(QStringLiteral("KeszletMin")), 3.0);
    }

    void materialRefusesNumbersThatAreNone_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString notANumber = QStringLiteral("Hibás értékadás!\rA mezőbe csak számot írhat!");
        const QString tooLarge = QStringLiteral("Hibás értékadás!\rA megadott szám túl nagy!");
        QTest::newRow("energy inf") << "edtEnergia"
                                    << "inf" << notANumber;
        QTest::newRow("protein nan") << "edtFeherje"
                                     << "nan" << notANumber;
        QTest::newRow("salt exponent") << "edtSo"
                                       << "1e3" << notANumber;
        QTest::newRow("multiplier -inf") << "edtMenySzorzo"
                                         << "-inf" << notANumber;
        QTest::newRow("minimum letters") << "edtKeszletMin"
                                         << "12abc" << notANumber;
        QTest::newRow("maximum beyond") << "edtKeszletMax"
                                        << "5 000 000 000" << tooLarge;
        QTest::newRow("price nan") << "edtNyilvAr"
                                   << "nan" << notANumber;
        QTest::newRow("price beyond Money") << "edtNyilvAr"
                                            << "999999999999999" << tooLarge;
    }

    void materialRefusesNumbersThatAreNone()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TfrmUjAnyag editor(services, db.warehouse(1));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QApplication::setActiveWindow(&editor);
        const int before = count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\""));
        editor.edtMegnevezes->setText(QStringLiteral("Mák"));
        editor.findChild<QLineEdit *>(field)->setText(typed);
        editor.btnRogzit->click();
        QCOMPARE(messenger.texts(), QStringList {message});
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\"")), before);
        QCOMPARE(QApplication::focusWidget()->objectName(), field);
    }

    void enterOnTheFocusedRecordButtonRecords_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("partner") << "partner";
        QTest::newRow("material") << "material";
        QTest::newRow("code table") << "code table";
    }

    void enterOnTheFocusedRecordButtonRecords()
    {
        QFETCH(QString, screen);
        std::unique_ptr<QDialog> editor;
        CodeTableStore store(db.warehouse(1), CodeTables::member(CodeTableId::Units));
        QString countSql;
        if (screen == QLatin1String("partner")) {
            auto *partner = new TfrmUjPartner(services, db.warehouse(1));
            partner->edtNev->setText(QStringLiteral("Enter Bt."));
            partner->edtIrszam->setText(QStringLiteral("6720"));
            partner->edtTelepules->setText(QStringLiteral("Szeged"));
            partner->edtUtca->setText(QStringLiteral("Tisza u. 2."));
            editor.reset(partner);
            countSql = QStringLiteral("SELECT COUNT(*) FROM \"Partner\" WHERE \"Nev\" = 'Enter Bt.'");
        } else if (screen == QLatin1String("material")) {
            auto *material = new TfrmUjAnyag(services, db.warehouse(1));
            material->edtMegnevezes->setText(QStringLiteral("Enter-liszt"));
            editor.reset(material);
            countSql = QStringLiteral("SELECT COUNT(*) FROM \"Anyag\" WHERE \"Megnevezes\" = 'Enter-liszt'");
        } else {
            auto *units = new TfrmUjKodtar(services, store);
            qobject_cast<QLineEdit *>(units->control(QStringLiteral("MertKod")))->setText(QStringLiteral("EN"));
            qobject_cast<QLineEdit *>(units->control(QStringLiteral("Megnevezes")))->setText(QStringLiteral("Enter"));
            editor.reset(units);
            countSql = QStringLiteral("SELECT COUNT(*) FROM \"Mertegys\" WHERE \"MertKod\" = 'EN'");
        }
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        QApplication::setActiveWindow(editor.get());
        auto *record = editor->findChild<QPushButton *>(QStringLiteral("btnRogzit"));
        record->setFocus();
        QCOMPARE(count(countSql), 0);
        QTest::keyClick(record, Qt::Key_Return);
        QCOMPARE(messenger.texts(), QStringList {QStringLiteral("Az új adat bekerült az adatbázisba")});
        QCOMPARE(count(countSql), 1);
    }

    void partnerPhoneKeepsItsBlanks()
    {
        TfrmUjPartner editor(services, db.warehouse(1));
        editor.show();
        QVERIFY(!editor.edtPartAzon->isEnabled());
        const QString id = editor.edtPartAzon->text();
        editor.edtNev->setText(QStringLiteral("Pék Bt."));
        editor.edtIrszam->setText(QStringLiteral("6720"));
        editor.edtTelepules->setText(QStringLiteral("Szeged"));
        editor.edtUtca->setText(QStringLiteral("Kossuth u. 1."));
        editor.edtTelefon->setCursorPosition(5);
        QTest::keyClicks(editor.edtTelefon, QStringLiteral("123456"));
        editor.btnRogzit->click();
        QCOMPARE(messenger.last().text, QStringLiteral("Az új adat bekerült az adatbázisba"));
        QSqlQuery query(db.warehouse(1));
        query.prepare(QStringLiteral("SELECT \"Telefon\" FROM \"Partner\" WHERE \"PartAzon\" = ?"));
        query.addBindValue(id);
        QVERIFY(query.exec() && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("(  ) 123-456 "));
        QCOMPARE(editor.edtPartAzon->text().toInt(), id.toInt() + 1);
    }
};

QTEST_MAIN(TestMasterScreens)
#include "tst_masterscreens.moc"
