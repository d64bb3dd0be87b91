#include "core/ScriptedFilePrompt.h"

QString ScriptedFilePrompt::next(const Request &request)
{
    m_requests << request;
    return m_answers.isEmpty() ? QString() : m_answers.dequeue();
}

QString ScriptedFilePrompt::openFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return next({Kind::Open, caption, dir, filter, QString()});
}

QString ScriptedFilePrompt::saveFileName(const QString &caption, const QString &dir, const QString &filter,
                                         const QString &defaultSuffix)
{
    return next({Kind::Save, caption, dir, filter, defaultSuffix});
}

QString ScriptedFilePrompt::folder(const QString &caption, const QString &dir)
{
    return next({Kind::Folder, caption, dir, QString(), QString()});
}
