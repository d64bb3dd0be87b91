#include "widgets/UiFilePrompt.h"

#include "widgets/UiQtTranslation.h"

#include <QFileDialog>
#include <QStringList>

QString UiFilePrompt::qtFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            // "*.*" means every file; on this platform a name need not have an extension.
            if (pattern.trimmed() == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
            for (const QString &variant : {pattern.trimmed(), pattern.trimmed().toLower(), pattern.trimmed().toUpper()}) {
                if (!patterns.contains(variant))
                    patterns << variant;
            }
        }
        filters << QStringLiteral("%1 (%2)").arg(parts.at(i).trimmed(), patterns.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

QString UiFilePrompt::openFileName(const QString &caption, const QString &dir, const QString &filter)
{
    QFileDialog dialog(m_parent, caption, dir, qtFilter(filter));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    UiQtTranslation::hungarianFileList(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString UiFilePrompt::saveFileName(const QString &caption, const QString &dir, const QString &filter,
                                   const QString &defaultSuffix)
{
    QFileDialog dialog(m_parent, caption, dir, qtFilter(filter));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    UiQtTranslation::hungarianFileList(dialog);
    QString suffix = defaultSuffix;
    while (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString UiFilePrompt::folder(const QString &caption, const QString &dir)
{
    QFileDialog dialog(m_parent, caption, dir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    UiQtTranslation::hungarianFileList(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
