#pragma once

#include <QString>

// File and folder choices go through this interface so that a test can drive any flow;
// the UI implements it with the platform's dialogs. An empty result means the user cancelled.
// A filter is "description|pattern|description|pattern" (patterns separated by ";"), as in
// "Minden fájl|*.*", or Qt's "description (patterns);;..." form; a default suffix may start with ".".
class FilePrompt
{
public:
    virtual ~FilePrompt() = default;
    virtual QString openFileName(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &dir, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    virtual QString folder(const QString &caption, const QString &dir) = 0;
};
