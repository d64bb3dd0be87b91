#include "printing/ui/qrpOffline.h"

#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "printing/QrpFile.h"
#include "printing/ui/ReportPreview.h"

#include <QDir>
#include <QFileInfo>

TqrpOffline::TqrpOffline(Messenger &messenger, FilePrompt &prompt)
    : m_messenger(messenger)
    , m_prompt(prompt)
{
    m_pages.jobTitle = QStringLiteral("Salvia nyomtatas");
}

QString TqrpOffline::fileFilter()
{
    return QStringLiteral("Mentett nyomtatás (*.QRP)|*.QRP");
}

QString TqrpOffline::folder()
{
    return QDir::currentPath();
}

bool TqrpOffline::load(const QString &path)
{
    QrpFile::Loaded loaded = QrpFile::load(path);
    if (!loaded.ok()) {
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, loaded.error, QStringLiteral("OK"));
        return false;
    }
    m_pages = std::move(loaded.report);
    return true;
}

bool TqrpOffline::run(QWidget *parent)
{
    const QString path = m_prompt.openFileName(QStringLiteral("Nyomtatás fájlból"), folder(), fileFilter());
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    if (!load(path))
        return false;
    if (m_previewer) {
        m_previewer(m_pages, parent);
    } else {
        ReportPreview dialog(m_pages, m_messenger, &m_prompt, parent);
        dialog.exec();
    }
    return true;
}
