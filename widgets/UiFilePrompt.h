#pragma once

#include "core/FilePrompt.h"

class QWidget;

// FilePrompt with the platform's file dialogs. Filters may be written as "description|pattern"
// pairs joined by "|" ("Minden fájl|*.*", patterns separated by ";") or in Qt's own form.
// A save replaces an existing file without asking.
class UiFilePrompt : public FilePrompt
{
public:
    explicit UiFilePrompt(QWidget *parent = nullptr) : m_parent(parent) {}

    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir, const QString &filter,
                         const QString &defaultSuffix) override;
    QString folder(const QString &caption, const QString &dir) override;

    // "Szöveg (*.txt)|*.TXT|Minden fájl|*.*" -> "Szöveg (*.txt) (*.TXT *.txt);;Minden fájl (*)":
    // each pattern also in lower and upper case, as file names on disk may be either.
    static QString qtFilter(const QString &filter);

private:
    QWidget *m_parent;
};
