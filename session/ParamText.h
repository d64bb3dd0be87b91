#pragma once

#include <QList>
#include <QPair>
#include <QString>

class Settings;

// The lines of the run-parameters screen: label and value text for every run value.
namespace ParamText {

// A path longer than 30 characters as two lines: its first 29 characters, a line break ("\n"),
// then the rest from the 30th character, at most 250 characters of it.
QString wrapPath(const QString &path);

// ("ProgramPath:", value), ("DbPath:", value) ... ("DbMinVer:", value) in screen order, paths
// wrapped, LezartHoDat as the short date "2024.03.31." (empty while unset).
QList<QPair<QString, QString>> lines(const Settings &settings);

} // namespace ParamText
