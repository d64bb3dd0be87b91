#pragma once

#include "core/FilePrompt.h"

#include <QList>
#include <QQueue>

// A FilePrompt for tests and windowless runs: records every request and answers from a queue;
// with an empty queue it answers "" (cancelled).
class ScriptedFilePrompt : public FilePrompt
{
public:
    enum class Kind { Open, Save, Folder };
    struct Request
    {
        Kind kind;
        QString caption;
        QString dir;
        QString filter;
        QString defaultSuffix;
    };

    void answer(const QString &path) { m_answers.enqueue(path); }

    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir, const QString &filter,
                         const QString &defaultSuffix) override;
    QString folder(const QString &caption, const QString &dir) override;

    const QList<Request> &requests() const { return m_requests; }

private:
    QString next(const Request &request);

    QList<Request> m_requests;
    QQueue<QString> m_answers;
};
