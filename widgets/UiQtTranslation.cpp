#include "widgets/UiQtTranslation.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
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

namespace {

// Qt's file list in the dialog: the type column names a folder in English and the date column
// follows the system's locale; both are given in Hungarian here.
class HungarianFileList : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    static constexpr int TypeColumn = 2;
    static constexpr int DateColumn = 3;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role == Qt::DisplayRole && files && index.isValid()) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == TypeColumn && files->isDir(source))
                return QStringLiteral("Mappa");
            if (index.column() == DateColumn) {
                const QDateTime modified = files->lastModified(source);
                return modified.isValid() ? modified.toString(QStringLiteral("yyyy.MM.dd. HH:mm")) : QString();
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

void hungarianFileList(QFileDialog &dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new HungarianFileList(&dialog));
}

} // namespace UiQtTranslation
