#include "reports/MenuAllergenPictures.h"

#include <QDir>
#include <QFileInfo>

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

Refusal checkFiles(const QString &folder, const QStringList &fileNames)
{
    for (const QString &name : fileNames) {
        const QString path = QDir(folder).filePath(name);
        if (!QFileInfo(path).isFile())
            return Refusal::error(QStringLiteral("Hiányzik az allergén kép, a nyomtatás nem készül el:\r%1")
                    .arg(QDir::toNativeSeparators(path)));
    }
    return {};
}

} // namespace MenuAllergenPictures
