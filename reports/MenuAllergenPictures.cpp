#include "reports/MenuAllergenPictures.h"

namespace MenuAllergenPictures {

QStringList places(const QStringList &marks)
{
    QStringList names;
    if (marks.size() >= Places + 1) {
        names = marks.mid(0, Places - 1);
        names << Warning;
        return names;
    }
    names = marks;
    while (names.size() < Places)
        names << Blank;
    return names;
}

} // namespace MenuAllergenPictures
