#include "session/HelpPages.h"

#include "core/Refusal.h"
#include "session/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

namespace HelpPages {

QString contentsPage()
{
    return QStringLiteral("tartalom.htm");
}

QString folder(const QString &programPath)
{
    return ProgramFiles::folder(ProgramFiles::helpFolderName(), programPath);
}

QString findPage(const QString &folder, const QString &page)
{
    if (page.trimmed().isEmpty())
        return QString();
    const QDir dir(folder);
    const QString exact = dir.filePath(page);
    if (QFileInfo(exact).isFile())
        return QFileInfo(exact).absoluteFilePath();

    // Same name in other letter case, in the same subfolder.
    const QFileInfo wanted(exact);
    const QDir parent = wanted.dir();
    if (!parent.exists())
        return QString();
    for (const QFileInfo &candidate : parent.entryInfoList(QDir::Files)) {
        if (candidate.fileName().compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return candidate.absoluteFilePath();
    }
    return QString();
}

QString missingText(const QString &page)
{
    return QStringLiteral("A kért súgótémakör nem elérhető: \r<[") + page + QStringLiteral("]>");
}

void warnMissing(Messenger &messenger, const QString &page)
{
    Refusal::warning(missingText(page)).show(messenger);
}

} // namespace HelpPages
