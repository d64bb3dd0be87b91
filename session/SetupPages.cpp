#include "session/SetupPages.h"

#include "session/EngineConfig.h"
#include "session/Settings.h"

#include <QDir>
#include <QFileInfo>

using namespace SettingKey;

namespace {

const std::array<Id, 8> FooterKeys = {Footer11, Footer12, Footer21, Footer22, Footer31, Footer32, Footer41, Footer42};

// Sets the text keys in order and stops at the first value the file cannot hold.
Refusal setTexts(SettingsFile &file, std::initializer_list<std::pair<Id, QString>> values)
{
    for (const auto &[id, value] : values) {
        if (Refusal refused = file.setText(id, value))
            return refused;
    }
    return Refusal();
}

} // namespace

Refusal SetupPages::restartNotice()
{
    return Refusal::information(
        QStringLiteral("Az adatbázis paraméterek változásai csak a következő programindításkor lépnek érvénybe!"));
}

QString SetupPages::receptFoRangeText()
{
    const Entry &key = entry(ReceptFo);
    return QStringLiteral("A recepteket %1 és %2 közötti egész számú főre lehet megadni!")
        .arg(int(key.lowest))
        .arg(int(key.highest));
}

SetupPages::Defaults SetupPages::loadDefaults(const Settings &settings)
{
    const SettingsFile file = settings.file();
    return {file.text(DefaultPartner), file.text(DefaultFokszam), file.text(DefaultMertegys), file.text(DefaultCsoport),
        file.text(DefaultAfa), file.text(DefaultVeszteseg)};
}

Refusal SetupPages::saveDefaults(Settings &settings, const Defaults &values)
{
    SettingsFile file = settings.file();
    if (Refusal refused = setTexts(file,
            {{DefaultPartner, values.partner}, {DefaultFokszam, values.fokszam}, {DefaultMertegys, values.mertegys},
                {DefaultCsoport, values.csoport}, {DefaultAfa, values.afa}, {DefaultVeszteseg, values.veszteseg}}))
        return refused;
    return file.save();
}

SetupPages::Print SetupPages::loadPrint(const Settings &settings)
{
    const SettingsFile file = settings.file();
    Print values;
    values.logoPath = file.text(LogoPath);
    for (size_t i = 0; i < FooterKeys.size(); ++i)
        values.footers[i] = file.text(FooterKeys[i]);
    values.enableFooter = file.flag(EnableFooter);
    values.footerWeekly = file.text(FooterWeekly);
    return values;
}

Refusal SetupPages::savePrint(Settings &settings, const Print &values)
{
    SettingsFile file = settings.file();
    if (Refusal refused = file.setText(LogoPath, values.logoPath))
        return refused;
    for (size_t i = 0; i < FooterKeys.size(); ++i) {
        if (Refusal refused = file.setText(FooterKeys[i], values.footers[i]))
            return refused;
    }
    if (Refusal refused = file.setText(FooterWeekly, values.footerWeekly))
        return refused;
    file.setFlag(EnableFooter, values.enableFooter);
    return file.save();
}

SetupPages::Calc SetupPages::loadCalc(const Settings &settings)
{
    return {settings.receptFo(), settings.kiadAr()};
}

Refusal SetupPages::saveCalc(Settings &settings, const QString &receptFoText, bool kiadAr)
{
    const Entry &key = entry(ReceptFo);
    bool isNumber = false;
    const int persons = receptFoText.trimmed().toInt(&isNumber);
    if (!isNumber || persons < key.lowest || persons > key.highest)
        return Refusal::error(receptFoRangeText(), QString::fromUtf8(key.field));
    SettingsFile file = settings.file();
    file.setNumber(ReceptFo, persons);
    file.setFlag(KiadAr, kiadAr);
    return file.save();
}

SetupPages::Dialogs SetupPages::loadDialogs(const Settings &settings)
{
    const SettingsFile file = settings.file();
    return {file.flag(Display3D), file.flag(DisplayNew), file.flag(DisplayTetelWarning), file.flag(DisplayModify),
        file.flag(FormatFloppy)};
}

Refusal SetupPages::saveDialogs(Settings &settings, const Dialogs &values)
{
    SettingsFile file = settings.file();
    file.setFlag(Display3D, values.display3D);
    file.setFlag(DisplayNew, values.displayNew);
    file.setFlag(DisplayTetelWarning, values.displayTetelWarning);
    file.setFlag(DisplayModify, values.displayModify);
    file.setFlag(FormatFloppy, values.formatFloppy);
    return file.save();
}

SetupPages::Operation SetupPages::loadOperation(const Settings &settings, const EngineConfig &engine)
{
    const SettingsFile file = settings.file();
    Operation values;
    values.jegyzPath = file.text(JegyzPath);
    values.mailaddr = file.text(Mailaddr);
    values.netDir = engine.netDir();
    values.disaLock = file.flag(DisaLock);
    values.autoLeltar = file.flag(AutoLeltar);
    values.showAFA = file.flag(ShowAFA);
    values.verChk = file.flag(VerChk);
    return values;
}

Checked<bool> SetupPages::saveOperation(Settings &settings, EngineConfig &engine, const Operation &values)
{
    SettingsFile file = settings.file();
    Refusal refused = setTexts(file, {{JegyzPath, values.jegyzPath}, {Mailaddr, values.mailaddr}});
    if (refused.isNull()) {
        file.setFlag(DisaLock, values.disaLock);
        file.setFlag(AutoLeltar, values.autoLeltar);
        file.setFlag(ShowAFA, values.showAFA);
        file.setFlag(VerChk, values.verChk);
        refused = file.save();
    }
    if (refused)
        return Checked<bool>::refused(refused);

    // Read again: another copy of the program may have changed it since the page was shown.
    const Checked<QString> current = engine.readValue(EngineConfig::netDirEntry());
    if (current.ok() && current.value == values.netDir)
        return Checked<bool>::accepted(false);
    Checked<QString> written = current.ok() ? engine.writeValue(EngineConfig::netDirEntry(), values.netDir) : current;
    if (!written.ok()) {
        written.refusal.focus = QStringLiteral("edtNetDir");
        return Checked<bool>::refused(written.refusal);
    }
    return Checked<bool>::accepted(true);
}

QString SetupPages::noteFileDirectory(const Settings &settings)
{
    return QDir(settings.programPath()).filePath(QStringLiteral("szovegek"));
}

QString SetupPages::noteFileFilter()
{
    return QStringLiteral("szövegfájl (*.txt);;Minden fájl (*)");
}

QString SetupPages::noteFileChoice(const QString &chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty() || QFileInfo::exists(chosen))
        return chosen;
    return chosen + QStringLiteral(".txt");
}

QString SetupPages::logoFileFilter()
{
    return QStringLiteral("Képfájlok (*.bmp *.jpg *.jpeg *.png *.gif *.ico);;Minden fájl (*)");
}
