#pragma once

#include <array>
#include <string_view>

// Every key of salvia.ini that the program knows: its section and name, its type, its default as
// stored in the file, its bounds and the label that names it to the user. The getters of Settings,
// the settings dialog's pages and the tests read this table; a key is written here once.
namespace SettingKey {

enum class Type {
    Text, // any one-line text; bound: the most characters a page's field takes (0: no limit)
    Flag, // "1" or "0"; any non-zero number reads as on
    Whole, // a whole number; bounds: lowest and highest, outside them the default
    Number, // a number with "," or "."; bounds as above
    Date, // yyyy-MM-dd, "yyyy.MM.dd." read too; an empty default means today
};

enum Id {
    DisplayModify,
    DisplayNew,
    FormatFloppy,
    DisplayTetelWarning,
    Display3D,
    DefaultPartner,
    DefaultFokszam,
    DefaultMertegys,
    DefaultCsoport,
    DefaultAfa,
    DefaultVeszteseg,
    LogoPath,
    Footer11,
    Footer12,
    Footer21,
    Footer22,
    Footer31,
    Footer32,
    Footer41,
    Footer42,
    EnableFooter,
    FooterWeekly,
    JegyzPath,
    Mailaddr,
    DisaLock,
    AutoLeltar,
    ShowAFA,
    VerChk,
    UpdateServer,
    TapValt,
    ReceptFo,
    KiadAr,
    CegAzon,
    BRendAz,
    Egys,
    Adosz,
    Koteg,
    KiszabatKezdDat,
    KiszabatCount,
    CartKiszabatKezdDat,
    CartKiszabatCount,
    Count
};

struct Entry
{
    Id id;
    const char *section;
    const char *name;
    Type type;
    const char *defaultValue; // UTF-8, as stored in the file
    // Whole, Number: the range when lowest < highest. Text: highest is the most characters its
    // field takes (0: no limit).
    double lowest = 0;
    double highest = 0;
    const char *field = ""; // objectName of the settings dialog's control; empty: no control
    const char *label = ""; // UTF-8; names the value in a refusal
};

// The vendor's support address and web server: the defaults of Mailaddr and UpdateServer.
inline constexpr const char *VendorSupportAddress = "tamogatas@salvia-szoftver.hu";
inline constexpr const char *VendorServerAddress = "https://www.salvia-szoftver.hu";

inline constexpr std::array<Entry, Count> Table = {{
    {DisplayModify, "DialogSettings", "DisplayModify", Type::Flag, "1", 0, 0, "chkModify"},
    {DisplayNew, "DialogSettings", "DisplayNew", Type::Flag, "1", 0, 0, "chkNew"},
    {FormatFloppy, "DialogSettings", "FormatFloppy", Type::Flag, "1", 0, 0, "chkFormat"},
    {DisplayTetelWarning, "DialogSettings", "DisplayTetelWarning", Type::Flag, "1", 0, 0, "chkTetelMenny"},
    {Display3D, "DialogSettings", "Display3D", Type::Flag, "0", 0, 0, "chk3D"},
    {DefaultPartner, "DefaultValues", "DefaultPartner", Type::Text, "", 0, 5, "edtPartnerAl",
        "Partner kód alapértelmezett értéke"},
    {DefaultFokszam, "DefaultValues", "DefaultFokszam", Type::Text, "", 0, 3, "edtFokszamAl",
        "Főkönyvi szám alapértelmezett értéke"},
    {DefaultMertegys, "DefaultValues", "DefaultMertegys", Type::Text, "", 0, 4, "edtMertegysAl",
        "Mértékegység kód alapértelmezett értéke"},
    {DefaultCsoport, "DefaultValues", "DefaultCsoport", Type::Text, "", 0, 2, "edtCsoportAl",
        "Anyagcsoport kód alapértelmezett értéke"},
    {DefaultAfa, "DefaultValues", "DefaultAfa", Type::Text, "", 0, 2, "edtAfaAl", "ÁFA csoport alapértelmezett értéke"},
    {DefaultVeszteseg, "DefaultValues", "DefaultVeszteseg", Type::Text, "", 0, 0, "edtVesztesegAl",
        "Veszteségi kód alapértelmezett értéke"},
    {LogoPath, "PrintSettings", "LogoPath", Type::Text, "", 0, 0, "edtLogoPath", "Logófájl"},
    {Footer11, "PrintSettings", "Footer11", Type::Text, "Beosztott", 0, 20, "edtLab11", "Lábléc, 1. oszlop 1. sora"},
    {Footer12, "PrintSettings", "Footer12", Type::Text, "készítette", 0, 20, "edtLab12", "Lábléc, 1. oszlop 2. sora"},
    {Footer21, "PrintSettings", "Footer21", Type::Text, "Főnök", 0, 20, "edtLab21", "Lábléc, 2. oszlop 1. sora"},
    {Footer22, "PrintSettings", "Footer22", Type::Text, "ellenőrizte", 0, 20, "edtLab22", "Lábléc, 2. oszlop 2. sora"},
    {Footer31, "PrintSettings", "Footer31", Type::Text, "Raktárnok", 0, 20, "edtLab31", "Lábléc, 3. oszlop 1. sora"},
    {Footer32, "PrintSettings", "Footer32", Type::Text, "kiadta", 0, 20, "edtLab32", "Lábléc, 3. oszlop 2. sora"},
    {Footer41, "PrintSettings", "Footer41", Type::Text, "Szakács", 0, 20, "edtLab41", "Lábléc, 4. oszlop 1. sora"},
    {Footer42, "PrintSettings", "Footer42", Type::Text, "átvette", 0, 20, "edtLab42", "Lábléc, 4. oszlop 2. sora"},
    {EnableFooter, "PrintSettings", "EnableFooter", Type::Flag, "1", 0, 0, "chkLablec"},
    {FooterWeekly, "PrintSettings", "FooterWeekly", Type::Text, "", 0, 200, "edtHetiLab", "Heti étlap lábléc"},
    {JegyzPath, "Mukodes", "JegyzPath", Type::Text, "", 0, 0, "edtJegyzPath", "Automatikusan betöltött jegyzőkönyv"},
    {Mailaddr, "Mukodes", "Mailaddr", Type::Text, VendorSupportAddress, 0, 0, "edtMailaddr",
        "Hibajelentések e-mail címei"},
    {DisaLock, "Mukodes", "DisaLock", Type::Flag, "1", 0, 0, "chkDisaLock"},
    {AutoLeltar, "Mukodes", "AutoLeltar", Type::Flag, "0", 0, 0, "chkAutoLeltar"},
    {ShowAFA, "Mukodes", "ShowAFA", Type::Flag, "0", 0, 0, "chkShowAFA"},
    {VerChk, "Mukodes", "VerChk", Type::Flag, "1", 0, 0, "chkVerChk"},
    {UpdateServer, "Mukodes", "UpdateServer", Type::Text, VendorServerAddress, 0, 0, "", "Frissítési kiszolgáló"},
    {TapValt, "Mukodes", "TapValt", Type::Flag, "1"},
    {ReceptFo, "Szamitas", "ReceptFo", Type::Number, "100", 1, 100, "fleRecept"},
    {KiadAr, "Szamitas", "KiadAr", Type::Flag, "0", 0, 0, "chkKiadAr"},
    {CegAzon, "UVI", "CegAzon", Type::Text, "A", 0, 1, "", "Cégazonosító"},
    {BRendAz, "UVI", "BRendAz", Type::Text, "H", 0, 1, "", "Bolti rendszerazonosító"},
    {Egys, "UVI", "Egys", Type::Text, "0000", 0, 4, "", "Egységszám"},
    {Adosz, "UVI", "Adosz", Type::Text, "", 0, 11, "", "Adószám"},
    {Koteg, "UVI", "Koteg", Type::Text, "001", 0, 3, "", "Kötegszám"},
    {KiszabatKezdDat, "Kiszabat", "KezdDat", Type::Date, ""},
    {KiszabatCount, "Kiszabat", "Count", Type::Whole, "0"},
    {CartKiszabatKezdDat, "CartKiszabat", "KezdDat", Type::Date, ""},
    {CartKiszabatCount, "CartKiszabat", "Count", Type::Whole, "0"},
}};

constexpr bool tableInOrder()
{
    for (int i = 0; i < Count; ++i) {
        if (Table[i].id != i)
            return false;
    }
    return true;
}
static_assert(tableInOrder(), "every row of the key table sits at its own Id");

inline const Entry &entry(Id id)
{
    return Table[id];
}

} // namespace SettingKey
