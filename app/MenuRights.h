#pragma once

#include <QList>

// Which top-level menus of the main menu an access level may not use (positions from 0:
// 0 Törzsadatok, 1 Adatkarbantartás, 4 Egyebek, 5 Beállítások, 7 Szervíz).
namespace MenuRights {

// Level 1: {7}; 2: {0, 7}; 3: {0, 1, 4, 5, 7}; 5: none. Any other level is treated as the most
// restricted one (3), so an unexpected value never opens more than the user level.
QList<int> disabledTopMenus(int securLevel);

} // namespace MenuRights
