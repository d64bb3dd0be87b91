#include "widgets/UiControls.h"

#include "widgets/UiBoundedField.h"
#include "widgets/UiGridFormat.h"

#include "core/Refusal.h"
#include "session/Services.h"
#include "session/Settings.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength)
{
    auto *created = named(new QLineEdit(parent), name);
    if (maxLength > 0)
        UiBoundedField::limit(created, maxLength);
    return created;
}

QLabel *buddyLabel(QWidget *parent, const QString &caption, QWidget *buddy)
{
    auto *created = new QLabel(caption, parent);
    created->setBuddy(buddy);
    return created;
}

QDateEdit *datePicker(QWidget *parent, const QString &name)
{
    auto *picker = named(new QDateEdit(parent), name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy.MM.dd"));
    return picker;
}

QPushButton *pushButton(QWidget *parent, const QString &name, const QString &caption, bool enterPresses)
{
    auto *created = named(new QPushButton(caption, parent), name);
    created->setAutoDefault(enterPresses);
    return created;
}

QTableView *browseGrid(QWidget *parent, const QString &name, QAbstractItemModel *model)
{
    auto *grid = named(new QTableView(parent), name);
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    UiGridFormat::install(grid);
    return grid;
}

bool showRefusal(QWidget *screen, Messenger &messenger, const Refusal &refusal)
{
    if (refusal.isNull())
        return false;
    refusal.show(messenger);
    if (refusal.focus.isEmpty())
        return true;
    if (QWidget *field = screen->findChild<QWidget *>(refusal.focus); field && field->isEnabled())
        field->setFocus();
    return true;
}

void noticeAdded(const Services &services)
{
    if (services.settings.displayNew())
        Refusal::information(QStringLiteral("Az új adat bekerült az adatbázisba")).show(services.messenger);
}

void noticeModified(const Services &services)
{
    if (services.settings.displayModify())
        Refusal::information(QStringLiteral("A módosítás sikeresen végrehajtódott")).show(services.messenger);
}
