#include "widgets/UiQtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace UiQtTranslation {

bool install(QCoreApplication &app, const QString &programPath)
{
    const QLocale hungarian(QLocale::Hungarian, QLocale::Hungary);
    QLocale::setDefault(hungarian);

    const QStringList folders = {
        QDir(programPath).filePath(QStringLiteral("translations")),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
    };
    for (const QString &folder : folders) {
        // Owned by the application: it must live as long as the translation is in use.
        auto *translator = new QTranslator(&app);
        if (translator->load(hungarian, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            app.installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

} // namespace UiQtTranslation
