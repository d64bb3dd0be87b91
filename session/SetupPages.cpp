#include "session/SetupPages.h"

#include "session/EngineConfig.h"
#include "session/Settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString DefaultValues = QStringLiteral("DefaultValues");
const QString PrintSettings = QStringLiteral("PrintSettings");
const QString Szamitas = QStringLiteral("Szamitas");
const QString DialogSettings = QStringLiteral("DialogSettings");
const QString Mukodes = QStringLiteral("Mukodes");

const std::array<const char *, 8> FooterKeys
    = {"Footer11", "Footer12", "Footer21", "Footer22", "Footer31", "Footer32", "Footer41", "Footer42"};

Refusal writtenOrRefused(bool ok, const Settings &settings)
{
    return ok ? Refusal() : Refusal::error(SetupPages::cannotWriteText(settings.iniPath()));
}

} // namespace

Refusal SetupPages::restartNotice()
{
    return Refusal::information(QStringLiteral("Az adatbázis paraméterek változásai csak a következő programindításkor lépnek érvénybe!"));
}

QString SetupPages::receptFoRangeText()
{
    return QStringLiteral("A recepteket 1 és 100 közötti egész számú főre lehet megadni!");
}

QString SetupPages::cannotWriteText(const QString &filePath)
{
    return QStringLiteral("A beállítások nem menthetők, a fájl nem írható:\r") + QDir::toNativeSeparators(filePath);
}

SetupPages::Defaults SetupPages::loadDefaults(const Settings &settings)
{
    return {settings.defaultPartner(), settings.defaultFokszam(), settings.defaultMertegys(), settings.defaultCsoport(),
        settings.defaultAfa(), settings.defaultVeszteseg()};
}

Refusal SetupPages::saveDefaults(Settings &settings, const Defaults &values)
{
    const bool ok = settings.writeString(DefaultValues, QStringLiteral("DefaultPartner"), values.partner)
        && settings.writeString(DefaultValues, QStringLiteral("DefaultFokszam"), values.fokszam)
        && settings.writeString(DefaultValues, QStringLiteral("DefaultMertegys"), values.mertegys)
        && settings.writeString(DefaultValues, QStringLiteral("DefaultCsoport"), values.csoport)
        && settings.writeString(DefaultValues, QStringLiteral("DefaultAfa"), values.afa)
        && settings.writeString(DefaultValues, QStringLiteral("DefaultVeszteseg"), values.veszteseg);
    return writtenOrRefused(ok, settings);
}

SetupPages::Print SetupPages::loadPrint(const Settings &settings)
{
    Print values;
    values.logoPath = settings.logoPath();
    values.footers = {settings.footer11(), settings.footer12(), settings.footer21(), settings.footer22(),
        settings.footer31(), settings.footer32(), settings.footer41(), settings.footer42()};
    values.enableFooter = settings.enableFooter();
    values.footerWeekly = settings.footerWeekly();
    return values;
}

Refusal SetupPages::savePrint(Settings &settings, const Print &values)
{
    bool ok = settings.writeString(PrintSettings, QStringLiteral("LogoPath"), values.logoPath);
    for (size_t i = 0; ok && i < FooterKeys.size(); ++i)
        ok = settings.writeString(PrintSettings, QLatin1String(FooterKeys[i]), values.footers[i]);
    ok = ok && settings.writeBool(PrintSettings, QStringLiteral("EnableFooter"), values.enableFooter)
        && settings.writeString(PrintSettings, QStringLiteral("FooterWeekly"), values.footerWeekly);
    return writtenOrRefused(ok, settings);
}

SetupPages::Calc SetupPages::loadCalc(const Settings &settings)
{
    return {settings.receptFo(), settings.kiadAr()};
}

Refusal SetupPages::saveCalc(Settings &settings, const QString &receptFoText, bool kiadAr)
{
    bool isNumber = false;
    const int persons = receptFoText.trimmed().toInt(&isNumber);
    if (!isNumber || persons < 1 || persons > 100)
        return Refusal::error(receptFoRangeText(), QStringLiteral("fleRecept"));
    const bool ok = settings.writeNumber(Szamitas, QStringLiteral("ReceptFo"), persons)
        && settings.writeBool(Szamitas, QStringLiteral("KiadAr"), kiadAr);
    return writtenOrRefused(ok, settings);
}

SetupPages::Dialogs SetupPages::loadDialogs(const Settings &settings)
{
    return {settings.display3D(), settings.displayNew(), settings.displayTetelWarning(), settings.displayModify(),
        settings.formatFloppy()};
}

Refusal SetupPages::saveDialogs(Settings &settings, const Dialogs &values)
{
    const bool ok = settings.writeBool(DialogSettings, QStringLiteral("Display3D"), values.display3D)
        && settings.writeBool(DialogSettings, QStringLiteral("DisplayNew"), values.displayNew)
        && settings.writeBool(DialogSettings, QStringLiteral("DisplayTetelWarning"), values.displayTetelWarning)
        && settings.writeBool(DialogSettings, QStringLiteral("DisplayModify"), values.displayModify)
        && settings.writeBool(DialogSettings, QStringLiteral("FormatFloppy"), values.formatFloppy);
    return writtenOrRefused(ok, settings);
}

SetupPages::Operation SetupPages::loadOperation(const Settings &settings, const EngineConfig &engine)
{
    Operation values;
    values.jegyzPath = settings.jegyzPath();
    values.mailaddr = settings.mailaddr();
    values.netDir = engine.netDir();
    values.disaLock = settings.disaLock();
    values.autoLeltar = settings.autoLeltar();
    values.showAFA = settings.showAFA();
    values.verChk = settings.verChk();
    return values;
}

Checked<bool> SetupPages::saveOperation(Settings &settings, EngineConfig &engine, const Operation &values)
{
    const bool ok = settings.writeString(Mukodes, QStringLiteral("JegyzPath"), values.jegyzPath)
        && settings.writeString(Mukodes, QStringLiteral("Mailaddr"), values.mailaddr)
        && settings.writeBool(Mukodes, QStringLiteral("DisaLock"), values.disaLock)
        && settings.writeBool(Mukodes, QStringLiteral("AutoLeltar"), values.autoLeltar)
        && settings.writeBool(Mukodes, QStringLiteral("ShowAFA"), values.showAFA)
        && settings.writeBool(Mukodes, QStringLiteral("VerChk"), values.verChk);
    if (!ok)
        return Checked<bool>::refused(writtenOrRefused(false, settings));

    // Read again: another copy of the program may have changed it since the page was shown.
    const EngineConfig::Result current = engine.readValue(EngineConfig::netDirEntry());
    if (current.ok() && current.value == values.netDir)
        return Checked<bool>::accepted(false);
    const EngineConfig::Result written
        = current.ok() ? engine.writeValue(EngineConfig::netDirEntry(), values.netDir) : current;
    if (!written.ok())
        return Checked<bool>::refused(Refusal::error(written.error, QStringLiteral("edtNetDir")));
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
