#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The start-up check of the command registry against the menu table: every command of the menu
// names a registered command or is on the list of commands not built yet, and nothing else was
// registered.
namespace CommandCheck {

// The menu commands deliberately without a screen or action so far; their menu items stay grey.
const QStringList &unbuiltCommands();

// What is wrong, one line each (empty: all is well): a menu command neither registered nor on the
// unbuilt list; a registered command still on that list; a name on the list that is no menu
// command; a registration under a name that is no menu command.
QStringList problems(const QSet<QString> &registered, const QStringList &unknownRegistrations,
    const QStringList &unbuilt = unbuiltCommands());

} // namespace CommandCheck
