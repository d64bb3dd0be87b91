#include "app/MenuRights.h"

namespace MenuRights {

QList<int> disabledTopMenus(int securLevel)
{
    switch (securLevel) {
    case 1:
        return {7};
    case 2:
        return {0, 7};
    case 5:
        return {};
    default:
        return {0, 1, 4, 5, 7};
    }
}

} // namespace MenuRights
