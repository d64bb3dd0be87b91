#include "session/EngineConfig.h"
#include "session/Settings.h"
#include "widgets/UiEnterMovesFocus.h"
#include "users/ui/frmJelszavak.h"
#include "shell/ui/frmParams.h"
#include "shell/ui/frmSetup.h"
#include "core/FilePrompt.h"
#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Answers file prompts from a queue and records what was asked.
class ScriptedFilePrompt : public FilePrompt
{
public:
    QStringList answers;
    QString askedDir;
    QString askedFilter;

    QString openFileName(const QString &, const QString &dir, const QString &filter) override
    {
        askedDir = dir;
        askedFilter = filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString folder(const QString &, const QString &) override { return QString(); }
};

QStringList textsOf(QWidget *page)
{
    QStringList texts;
    for (auto *label : page->findChildren<QLabel *>())
        texts << label->text();
    for (auto *button : page->findChildren<QAbstractButton *>())
        texts << button->text();
    for (auto *group : page->findChildren<QGroupBox *>())
        texts << group->title();
    return texts;
}

} // namespace

class TestAppSetupDialog : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Settings m_settings;
    ScriptedMessenger m_messenger;
    ScriptedFilePrompt m_prompt;
    ScriptedDatePrompt m_dates;
    Services services() { return {m_settings, m_messenger, m_prompt, m_dates}; }

    template <typename T> static T *child(QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (found == nullptr)
            qWarning("no child %s", name);
        return found;
    }
    static void click(QObject *dialog, const char *name)
    {
        auto *button = child<QPushButton>(dialog, name);
        QVERIFY(button != nullptr);
        button->click();
    }
    QByteArray iniBytes() const
    {
        QFile file(m_settings.iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath("salvia.ini"));
        QFile::remove(m_dir.filePath(EngineConfig::fileName()));
        m_settings = Settings();
        m_settings.setProgramPath(m_dir.path());
        m_messenger.clear();
        m_prompt = ScriptedFilePrompt();
    }

    void pagesAndTexts()
    {
        TfrmSetup dialog(services());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Program beállítások"));
        QCOMPARE(dialog.minimumSize(), QSize(500, 328));
        QCOMPARE(dialog.maximumSize(), QSize(500, 328));
        auto *pages = child<QTabWidget>(&dialog, "pgcSetup");
        QVERIFY(pages);
        QStringList captions;
        for (int i = 0; i < pages->count(); ++i)
            captions << pages->tabText(i);
        QCOMPARE(captions,
            QStringList({"Alapértelmezett értékek", "Nyomtatás", "Számítások", "Dialógusok", "Jelszavak", "Működés"}));

        const QList<QStringList> expected = {
            {"Partner kód alapértelmezett értéke:", "Főkönyvi szám alapértelmezett értéke:",
                "Mértékegység kód alapértelmezett értéke:", "Anyagcsoport kód alapértelmezett értéke:",
                "ÁFA csoport alapértelmezett értéke:", "Veszteségi kód alapértelmezett értéke:", "&OK", "&Mégse",
                "&Súgó"},
            {"Logó", "Logófájl:", "...", "A logó egy 150x50 pixel méretű képfájl lehet", "Lábléc",
                "Nyomtasson láblécet az összesítés után", "Heti étlap lábléc", "&OK", "&Mégse", "&Súgó"},
            {"Recepteket hány főre adjuk meg:", "(Figyelem! Az átlagáras számítások pontosságát befolyásolja!)",
                "Anyag kiadási árának kézi megadása", "&OK", "&Súgó"},
            {"3D dialógusablakok (legalább 16 bites színmélység kell)",
                "Új adat rögzítése után mindig legyen visszajelzés",
                "Tételmennyiség minimum/maximum figyelmeztető üzenetek", "Módosítás után mindig legyen visszajelzés",
                "Biztonsági mentésnél törölje le a floppylemezt", "&OK", "&Mégse", "&Súgó"},
            {},
            {"Automatikusan betöltött jegyzőkönyv:", "...", "Hálózati beállítások", "Hibajelentések e-mail címei:",
                "Hálózati zárolás tiltása (kizárólag probléma esetén!)", "Kiadási bizonylatnál automatikus leltár",
                "ÁFA érték mutatása leltárnál", "Indulásnál ellenőrizze a frissítéseket", "&OK", "&Súgó"},
        };
        for (int i = 0; i < expected.size(); ++i) {
            const QStringList texts = textsOf(pages->widget(i));
            for (const QString &text : expected[i])
                QVERIFY2(texts.contains(text), qPrintable(QStringLiteral("page %1: %2").arg(i).arg(text)));
        }
        // Pages 2 and 5 have no "&Mégse".
        QVERIFY(!dialog.findChild<QPushButton *>("btnMegse2"));
        QVERIFY(!dialog.findChild<QPushButton *>("btnMegse5"));
        QVERIFY(!child<QCheckBox>(&dialog, "chkDisaLock")->isEnabled());
        // Field sizes; the loss code and the paths have none.
        const QList<QPair<const char *, int>> sizes = {{"edtPartnerAl", 5}, {"edtFokszamAl", 3}, {"edtMertegysAl", 4},
            {"edtCsoportAl", 2}, {"edtAfaAl", 2}, {"edtVesztesegAl", QLineEdit().maxLength()}, {"edtLab11", 20},
            {"edtLab12", 20}, {"edtLab21", 20}, {"edtLab22", 20}, {"edtLab31", 20}, {"edtLab32", 20}, {"edtLab41", 20},
            {"edtLab42", 20}, {"edtHetiLab", 200}, {"edtLogoPath", QLineEdit().maxLength()},
            {"edtJegyzPath", QLineEdit().maxLength()}};
        // A longer text is cut to the field's size.
        for (const auto &[name, size] : sizes) {
            QLineEdit *field = child<QLineEdit>(&dialog, name);
            field->setText(QString(size + 5, QLatin1Char('1')));
            QVERIFY2(field->text().size() == size, name);
            field->clear();
        }
        QCOMPARE(child<QLabel>(&dialog, "imgLogo")->size(), QSize(150, 50));
    }

    void defaultsPageEnterOrderAndOk()
    {
        QVERIFY(m_settings.writeString("DefaultValues", "DefaultPartner", "00003"));
        TfrmSetup dialog(services());
        dialog.openPage(TfrmSetup::PageDefaults);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *partner = child<QLineEdit>(&dialog, "edtPartnerAl");
        QCOMPARE(partner->text(), QStringLiteral("00003"));
        QCOMPARE(QApplication::focusWidget(), partner);

        const char *order[] = {"edtFokszamAl", "edtMertegysAl", "edtCsoportAl", "edtAfaAl", "edtVesztesegAl", "btnOK0"};
        const char *typed[] = {"211", "kg", "03", "05", "07"};
        partner->selectAll();
        QTest::keyClicks(partner, "00009");
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(order[i]));
            if (i < 5)
                QTest::keyClicks(QApplication::focusWidget(), typed[i]);
        }
        QVERIFY(dialog.isVisible());
        // Enter on "&OK" writes and closes.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_settings.defaultPartner(), QStringLiteral("00009"));
        QCOMPARE(m_settings.defaultFokszam(), QStringLiteral("211"));
        QCOMPARE(m_settings.defaultVeszteseg(), QStringLiteral("07"));
        QVERIFY(m_messenger.shown().isEmpty());
    }

    void defaultsPageCancelRestoresStoredValues()
    {
        QVERIFY(m_settings.writeString("DefaultValues", "DefaultFokszam", "211"));
        const QByteArray before = iniBytes();
        TfrmSetup dialog(services());
        dialog.openPage(TfrmSetup::PageDefaults);
        dialog.show();
        auto *fokszam = child<QLineEdit>(&dialog, "edtFokszamAl");
        auto *partner = child<QLineEdit>(&dialog, "edtPartnerAl");
        fokszam->setText("999");
        partner->setText("12345");
        click(&dialog, "btnMegse0");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(fokszam->text(), QStringLiteral("211"));
        QCOMPARE(partner->text(), QString());
        QCOMPARE(iniBytes(), before);
    }

    void pageShownAgainReloadsFromFile()
    {
        TfrmSetup dialog(services());
        dialog.openPage(TfrmSetup::PageDialogs);
        auto *threeD = child<QCheckBox>(&dialog, "chk3D");
        QVERIFY(!threeD->isChecked());
        threeD->setChecked(true);
        dialog.openPage(TfrmSetup::PagePrint);
        dialog.openPage(TfrmSetup::PageDialogs);
        QVERIFY(!threeD->isChecked());
        // Changed in the file meanwhile: shown as stored.
        QVERIFY(m_settings.writeBool("DialogSettings", "Display3D", true));
        dialog.openPage(TfrmSetup::PageDialogs);
        QVERIFY(threeD->isChecked());
    }

    void printPageLogoPreviewAndFooters()
    {
        const QString picture = m_dir.filePath("logo.png");
        QImage image(300, 100, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(picture));

        TfrmSetup dialog(services());
        dialog.openPage(TfrmSetup::PagePrint);
        auto *logoPath = child<QLineEdit>(&dialog, "edtLogoPath");
        auto *preview = child<QLabel>(&dialog, "imgLogo");
        QCOMPARE(child<QLineEdit>(&dialog, "edtLab21")->text(), QStringLiteral("Főnök"));
        QCOMPARE(child<QLineEdit>(&dialog, "edtLab42")->text(), QStringLiteral("átvette"));
        QVERIFY(child<QCheckBox>(&dialog, "chkLablec")->isChecked());
        QVERIFY(preview->pixmap().isNull());

        m_prompt.answers << picture;
        click(&dialog, "btnLogoPath");
        QCOMPARE(logoPath->text(), picture);
        QVERIFY(!preview->pixmap().isNull());
        QVERIFY(preview->pixmap().width() <= 150 && preview->pixmap().height() <= 50);

        // Cancelled dialog: nothing changes.
        click(&dialog, "btnLogoPath");
        QCOMPARE(logoPath->text(), picture);

        child<QLineEdit>(&dialog, "edtLab11")->setText("Élelmezésvezető");
        child<QCheckBox>(&dialog, "chkLablec")->setChecked(false);
        click(&dialog, "btnOK1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_settings.logoPath(), picture);
        QCOMPARE(m_settings.footer11(), QStringLiteral("Élelmezésvezető"));
        QCOMPARE(m_settings.footer12(), QStringLiteral("készítette"));
        QVERIFY(!m_settings.enableFooter());

        // A path naming no file is kept as typed, with an empty preview.
        QVERIFY(m_settings.writeString("PrintSettings", "LogoPath", m_dir.filePath("nincs.bmp")));
        dialog.openPage(TfrmSetup::PageDefaults);
        dialog.openPage(TfrmSetup::PagePrint);
        QCOMPARE(logoPath->text(), m_dir.filePath("nincs.bmp"));
        QVERIFY(preview->pixmap().isNull());
    }

    void calcPageBounds()
    {
        QVERIFY(m_settings.writeString("Szamitas", "ReceptFo", "250"));
        TfrmSetup dialog(services());
        dialog.openPage(TfrmSetup::PageCalc);
        dialog.show();
        auto *persons = child<QSpinBox>(&dialog, "fleRecept");
        QCOMPARE(persons->minimum(), 1);
        QCOMPARE(persons->maximum(), 100);
        QCOMPARE(persons->value(), 100);

        auto *edit = persons->findChild<QLineEdit *>();
        QVERIFY(edit);
        // Typing past 100 is not taken.
        edit->selectAll();
        QTest::keyClicks(persons, "150");
        QVERIFY(persons->value() <= 100);
        // An empty field is refused with a message and nothing is written.
        edit->clear();
        const QByteArray before = iniBytes();
        click(&dialog, "btnOK2");
        QVERIFY(dialog.isVisible());
        QCOMPARE(m_messenger.shown().size(), 1);
        QCOMPARE(
            m_messenger.last().text, QStringLiteral("A recepteket 1 és 100 közötti egész számú főre lehet megadni!"));
        QCOMPARE(iniBytes(), before);

        persons->setValue(4);
        child<QCheckBox>(&dialog, "chkKiadAr")->setChecked(true);
        click(&dialog, "btnOK2");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m_settings.receptFo(), 4);
        QVERIFY(m_settings.kiadAr());
        QVERIFY(iniBytes().contains("ReceptFo=4\r\n"));
    }

    void dialogsPageOkSetsSymbolOffsetAtOnce()
    {
        TfrmSetup dialog(services());
        QSignalSpy offsets(&dialog, &TfrmSetup::symbolOffsetChanged);
        dialog.openPage(TfrmSetup::PageDialogs);
        child<QCheckBox>(&dialog, "chk3D")->setChecked(true);
        child<QCheckBox>(&dialog, "chkFormat")->setChecked(false);
        click(&dialog, "btnOK3");
        QCOMPARE(offsets.size(), 1);
        QCOMPARE(offsets.takeFirst().at(0).toInt(), 10);
        QVERIFY(m_settings.display3D());
        QVERIFY(!m_settings.formatFloppy());
        QVERIFY(m_settings.displayNew());

        dialog.openPage(TfrmSetup::PageDialogs);
        QVERIFY(child<QCheckBox>(&dialog, "chk3D")->isChecked());
        child<QCheckBox>(&dialog, "chk3D")->setChecked(false);
        click(&dialog, "btnOK3");
        QCOMPARE(offsets.takeFirst().at(0).toInt(), 0);
        QVERIFY(!m_settings.display3D());

        // "&Mégse" changes nothing.
        dialog.openPage(TfrmSetup::PageDialogs);
        child<QCheckBox>(&dialog, "chk3D")->setChecked(true);
        click(&dialog, "btnMegse3");
        QVERIFY(offsets.isEmpty());
        QVERIFY(!m_settings.display3D());
    }

    void operationPageNetworkDirectoryNotice()
    {
        EngineConfig engine(m_dir.path());
        QVERIFY(engine.writeValue(EngineConfig::netDirEntry(), "/srv/net").ok());
        TfrmSetup dialog(services());
        dialog.openPage(TfrmSetup::PageOperation);
        auto *netDir = child<QLineEdit>(&dialog, "edtNetDir");
        QCOMPARE(netDir->text(), QStringLiteral("/srv/net"));
        QVERIFY(child<QCheckBox>(&dialog, "chkVerChk")->isChecked());

        // Unchanged: nothing shown.
        child<QCheckBox>(&dialog, "chkShowAFA")->setChecked(true);
        click(&dialog, "btnOK5");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(m_messenger.shown().isEmpty());
        QVERIFY(m_settings.showAFA());

        // Changed: written to the engine configuration, and the restart notice.
        dialog.openPage(TfrmSetup::PageOperation);
        netDir->setText("/srv/uj");
        click(&dialog, "btnOK5");
        QCOMPARE(m_messenger.shown().size(), 1);
        QCOMPARE(m_messenger.last().caption, QStringLiteral("Információ"));
        QCOMPARE(m_messenger.last().symbol, 3);
        QCOMPARE(m_messenger.last().buttons, QStringList({"OK"}));
        QCOMPARE(m_messenger.last().text,
            QStringLiteral("Az adatbázis paraméterek változásai csak a következő programindításkor lépnek érvénybe!"));
        QCOMPARE(engine.netDir(), QStringLiteral("/srv/uj"));
    }

    void operationPageNoteFileDialog()
    {
        TfrmSetup dialog(services());
        dialog.openPage(TfrmSetup::PageOperation);
        m_prompt.answers << m_dir.filePath("szovegek/jegyzokonyv");
        click(&dialog, "btnJegyzPath");
        QCOMPARE(QDir::cleanPath(m_prompt.askedDir), QDir::cleanPath(m_dir.filePath("szovegek")));
        QCOMPARE(m_prompt.askedFilter, QStringLiteral("szövegfájl (*.txt);;Minden fájl (*)"));
        QCOMPARE(child<QLineEdit>(&dialog, "edtJegyzPath")->text(), m_dir.filePath("szovegek/jegyzokonyv.txt"));
        click(&dialog, "btnOK5");
        QCOMPARE(m_settings.jegyzPath(), m_dir.filePath("szovegek/jegyzokonyv.txt"));
        QVERIFY(m_messenger.shown().isEmpty());
    }

    void usersPageHelpAndExecPage()
    {
        TfrmSetup dialog(services());
        QPointer<QWidget> first = new QLabel("első");
        dialog.setUsersPage(first);
        auto *pages = child<QTabWidget>(&dialog, "pgcSetup");
        QVERIFY(pages->widget(TfrmSetup::PageUsers)->isAncestorOf(first));
        QPointer<QWidget> second = new QLabel("második");
        dialog.setUsersPage(second);
        QVERIFY(first.isNull());
        QVERIFY(pages->widget(TfrmSetup::PageUsers)->isAncestorOf(second));

        QSignalSpy help(&dialog, &TfrmSetup::helpRequested);
        click(&dialog, "btnSugo3");
        click(&dialog, "btnSugo5");
        QCOMPARE(help.size(), 2);
        QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("setup.htm"));
        QVERIFY(!dialog.isVisible());

        QTimer::singleShot(0, &dialog, [&dialog] { dialog.findChild<QPushButton *>("btnMegse1")->click(); });
        QCOMPARE(dialog.execPage(TfrmSetup::PagePrint), int(QDialog::Rejected));
        QCOMPARE(pages->currentIndex(), int(TfrmSetup::PagePrint));
    }

    // The dialog has a fixed size: every page caption, label and button text must fit in it whole.
    void everyTextFitsTheFixedSize()
    {
        m_settings.setDbPath(m_dir.path());
        m_settings.setLoginUser(QStringLiteral("admin"));
        m_settings.setSecurLevel(5);
        TfrmSetup dialog(services());
        dialog.setUsersPage(new TfrmJelszavak(services()));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto *pages = child<QTabWidget>(&dialog, "pgcSetup");
        QTabBar *bar = pages->tabBar();
        for (int i = 0; i < pages->count(); ++i) {
            const QRect tab = bar->tabRect(i);
            QVERIFY2(tab.left() >= 0 && tab.right() < bar->width(),
                qPrintable(QStringLiteral("tab %1 at %2..%3 of %4")
                               .arg(i)
                               .arg(tab.left())
                               .arg(tab.right())
                               .arg(bar->width())));
            QVERIFY2(
                tab.width() >= bar->fontMetrics().horizontalAdvance(pages->tabText(i)), qPrintable(pages->tabText(i)));
        }

        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QCoreApplication::processEvents();
            QWidget *page = pages->widget(i);
            QList<QWidget *> texts;
            for (auto *label : page->findChildren<QLabel *>())
                if (!label->text().isEmpty() && !label->wordWrap())
                    texts << label;
            for (auto *button : page->findChildren<QAbstractButton *>())
                texts << button;
            for (QWidget *widget : std::as_const(texts)) {
                if (!widget->isVisible())
                    continue;
                const QString name
                    = widget->objectName().isEmpty() ? widget->property("text").toString() : widget->objectName();
                int needed = widget->sizeHint().width();
                if (auto *button = qobject_cast<QPushButton *>(widget))
                    needed = button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))) + 8;
                QVERIFY2(widget->width() >= needed,
                    qPrintable(QStringLiteral("page %1: %2 is %3 px wide, needs %4")
                                   .arg(i)
                                   .arg(name)
                                   .arg(widget->width())
                                   .arg(needed)));
                const QRect shown(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
                QVERIFY2(dialog.rect().contains(shown),
                    qPrintable(QStringLiteral("page %1: %2 reaches outside the dialog").arg(i).arg(name)));
            }
        }
    }

    void enterSkipsDisabledWidgets()
    {
        QWidget window;
        auto *a = new QLineEdit(&window);
        auto *b = new QLineEdit(&window);
        auto *c = new QSpinBox(&window);
        auto *d = new QLineEdit(&window);
        b->setEnabled(false);
        UiEnterMovesFocus::install({a, b, c, d});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget() == c || c->isAncestorOf(QApplication::focusWidget()), true);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), d);
        // The last one keeps its Enter.
        QTest::keyClick(d, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d);
    }

    void runParametersScreen()
    {
        const QString path = QStringLiteral("/home/konyha/salvia/program/verzio/negyvenotx");
        QCOMPARE(path.size(), 45);
        m_settings.setProgramPath(path);
        m_settings.setLoginUser("admin");
        m_settings.setLezartHoDat(QDate(2024, 1, 31));
        TfrmParams screen(m_settings);
        QCOMPARE(screen.windowTitle(), QStringLiteral("Program paraméterek"));
        QCOMPARE(child<QGroupBox>(&screen, "grpSettings")->title(), QStringLiteral("frmSetup Settings"));
        QCOMPARE(child<QLabel>(&screen, "lblProgramPath")->text(), path.left(29) + "\n" + path.mid(29));
        QCOMPARE(child<QLabel>(&screen, "lblLoginUser")->text(), QStringLiteral("admin"));
        QCOMPARE(child<QLabel>(&screen, "lblBDEalias")->text(), QStringLiteral("Salvia"));
        QVERIFY(child<QLabel>(&screen, "lblLezartHoDat")->text().contains("2024"));
        const QStringList texts = textsOf(&screen);
        QVERIFY(texts.contains("LezartHoDat:"));
        QVERIFY(texts.contains("DbMinVer:"));
        screen.show();
        click(&screen, "btnKilep");
        QVERIFY(!screen.isVisible());
    }
};

QTEST_MAIN(TestAppSetupDialog)
#include "tst_setupdialog.moc"
