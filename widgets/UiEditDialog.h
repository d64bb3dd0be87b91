#pragma once

#include "session/Services.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLayout;
class QPushButton;
struct Refusal;

// The base of every edit dialog: the form above, the "&Rögzít", "&Mégse", "&Súgó" row below,
// Enter moving through the form's fields to "&Rögzít" and recording there, F1 and "&Súgó" opening
// the dialog's help page, a refusal shown with its field focused, the notices after a save, and
// the new or modify mode with its window title.
class UiEditDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { New, Modify };

    Mode mode() const { return m_mode; }
    bool isNewMode() const { return m_mode == Mode::New; }
    // The widgets Enter moves through; "&Rögzít" ends it.
    const QList<QWidget *> &enterChain() const { return m_chain; }

    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;

protected:
    UiEditDialog(const Services &services, const QString &name, const QString &helpPage, QWidget *parent);

    // Lays the form out above the button row and chains `fields` to "&Rögzít" (install once).
    void setForm(QLayout *form, const QList<QWidget *> &fields);
    void setHelpPage(const QString &page) { m_helpPage = page; }
    // The window titles of the two modes ("Új adat felvitele", "Adat módosítása" unless set).
    void setCaptions(const QString &newCaption, const QString &modifyCaption);
    void setMode(Mode mode);

    // Shows a refusal and focuses the field it names; false (nothing shown) for a null refusal.
    bool refused(const Refusal &refusal);
    // After a successful save: the mode's notice (unless switched off); a modified row closes the
    // dialog. True when the dialog stays open for the next new row.
    bool saved();

    // "&Rögzít" was pressed (or Enter on it).
    virtual void record() = 0;

    const Services &m_services;

private:
    void openHelp();

    QString m_helpPage;
    QString m_newCaption;
    QString m_modifyCaption;
    Mode m_mode = Mode::New;
    QList<QWidget *> m_chain;
};
