#include "master/ui/frmUjKodtar.h"

#include "core/Dates.h"
#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "core/NumberFormat.h"
#include "master/MasterLookups.h"
#include "session/ProgramFiles.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"
#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

// Letters typed into a unit code turn to upper case at once.
void upperCaseWhileTyping(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        QString upper = text;
        for (QChar &c : upper) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                c = c.toUpper();
        }
        if (upper != text) {
            const int cursor = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(cursor);
        }
    });
}

} // namespace

TfrmUjKodtar::TfrmUjKodtar(const Services &services, CodeTableStore &store, const QString &key, QWidget *parent)
    : UiEditDialog(services, store.member().editScreen, store.member().editHelpPage, parent)
    , m_store(store)
    , m_key(key)
{
    const CodeTable &member = store.member();
    setModal(true);
    setMode(key.isEmpty() ? Mode::New : Mode::Modify);

    auto *form = new QFormLayout;
    QFormLayout *months = nullptr;
    QList<QWidget *> chain;
    for (const CodeField &field : member.fields) {
        QWidget *control = nullptr;
        switch (field.kind) {
        case FieldKind::Code:
        case FieldKind::Text:
        case FieldKind::Group:
        case FieldKind::Percent:
        case FieldKind::Money:
        case FieldKind::Picture: {
            const int width = field.kind == FieldKind::Code && member.keyForm == KeyForm::Padded
                ? QString::number(member.keyMaximum).size()
                : field.width;
            auto *edit = lineEdit(this, field.control, width);
            if (field.kind == FieldKind::Code && member.keyForm == KeyForm::UpperCase)
                upperCaseWhileTyping(edit);
            control = edit;
            break;
        }
        case FieldKind::Number:
        case FieldKind::Average: {
            auto *edit = named(new QLineEdit(this), field.control);
            UiBoundedField::limit(edit, 3, new QIntValidator(0, 100, edit));
            edit->setReadOnly(field.kind == FieldKind::Average);
            if (field.kind == FieldKind::Number)
                connect(edit, &QLineEdit::textChanged, this, &TfrmUjKodtar::updateAverage);
            control = edit;
            break;
        }
        case FieldKind::Direction: {
            auto *combo = named(new QComboBox(this), field.control);
            combo->addItem(QStringLiteral("BE"), QStringLiteral("BE"));
            combo->addItem(QStringLiteral("KI"), QStringLiteral("KI"));
            control = combo;
            break;
        }
        case FieldKind::Lookup: {
            auto *combo = named(new QComboBox(this), field.control);
            fillLookup(combo,
                shownLookup(MasterLookups::codeTableRows(
                                store.database(), field.lookupTable, field.lookupKey, field.lookupShown),
                    m_services.messenger));
            control = combo;
            break;
        }
        case FieldKind::Date: {
            auto *picker = named(new QDateEdit(this), field.control);
            picker->setCalendarPopup(true);
            picker->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
            control = picker;
            break;
        }
        }
        m_controls.insert(field.field, control);
        if (field.kind == FieldKind::Number) {
            if (!months) {
                auto *group = new QGroupBox(QStringLiteral("Veszteség havi hányada (%)"), this);
                months = new QFormLayout(group);
                form->addRow(group);
            }
            months->addRow(buddyLabel(this, field.label, control), control);
        } else if (field.kind == FieldKind::Average && months) {
            months->addRow(buddyLabel(this, field.label, control), control);
        } else {
            form->addRow(buddyLabel(this, field.label, control), control);
        }
        if (field.kind != FieldKind::Average)
            chain << control;
        if (field.kind == FieldKind::Picture) {
            imgJelzes = named(new QLabel(this), "imgJelzes");
            imgJelzes->setFixedSize(36, 36);
            bbtOpenPicture = pushButton(this, QStringLiteral("bbtOpenPicture"), QStringLiteral("..."), false);
            auto *row = new QHBoxLayout;
            row->addWidget(imgJelzes);
            row->addWidget(bbtOpenPicture);
            row->addStretch();
            form->addRow(row);
            auto *note
                = new QLabel(QStringLiteral("A kép formátuma 32x32 pixel .BMP, helye a telepítési könyvtár Pictures "
                                            "könyvtára. Nem lehet 15 karakternél hosszabb a neve kiterjesztéssel "
                                            "együtt."),
                    this);
            note->setWordWrap(true);
            form->addRow(note);
            connect(bbtOpenPicture, &QPushButton::clicked, this, &TfrmUjKodtar::bbtOpenPictureClick);
            connect(static_cast<QLineEdit *>(control), &QLineEdit::editingFinished, this,
                [this, control] { showPicture(static_cast<QLineEdit *>(control)->text()); });
        }
    }

    setForm(form, chain);

    QWidget *code = control(member.keyField().field);
    if (isNewMode()) {
        clearFields();
    } else {
        fill(store.read(key));
        code->setEnabled(false);
        // Movement types that vouchers use keep their direction.
        if (member.id == CodeTableId::MovementTypes && store.isUsed(key))
            control(QStringLiteral("Irany"))->setEnabled(false);
        if (member.keyForm == KeyForm::AsTyped || member.id == CodeTableId::Meals)
            code->setStyleSheet(QStringLiteral("background-color: silver;"));
    }
    if (!code->isEnabled() && chain.size() > 1)
        chain.at(1)->setFocus();
}

void TfrmUjKodtar::clearFields()
{
    for (const CodeField &field : m_store.member().fields) {
        QWidget *widget = control(field.field);
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            edit->setText(
                field.kind == FieldKind::Number || field.kind == FieldKind::Average ? QStringLiteral("0") : QString());
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        else if (auto *picker = qobject_cast<QDateEdit *>(widget))
            picker->setDate(QDate::currentDate());
    }
    if (imgJelzes)
        showPicture(QStringLiteral("feher.bmp"));
    control(m_store.member().keyField().field)->setFocus();
}

void TfrmUjKodtar::fill(const QVariantMap &row)
{
    for (const CodeField &field : m_store.member().fields) {
        const QVariant value = row.value(field.field);
        QWidget *widget = control(field.field);
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            QString text = value.toString();
            if (field.kind == FieldKind::Money)
                text = NumberFormat::format(value.toDouble(), QStringLiteral("0.00"));
            else if (field.kind == FieldKind::Percent)
                text = NumberFormat::format(value.toDouble(), QStringLiteral("0.##"));
            edit->setText(text);
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            combo->setCurrentIndex(combo->findData(value.toString()));
        } else if (auto *picker = qobject_cast<QDateEdit *>(widget)) {
            picker->setDate(value.typeId() == QMetaType::QDate ? value.toDate() : Dates::fromIso(value.toString()));
        }
        if (field.kind == FieldKind::Picture)
            showPicture(value.toString());
    }
}

CodeEntry TfrmUjKodtar::entry() const
{
    CodeEntry values;
    for (const CodeField &field : m_store.member().fields) {
        QWidget *widget = control(field.field);
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            values.insert(field.field, edit->text());
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            values.insert(field.field, combo->currentData().toString());
        else if (auto *picker = qobject_cast<QDateEdit *>(widget))
            values.insert(field.field, Dates::isoText(picker->date()));
    }
    return values;
}

void TfrmUjKodtar::updateAverage()
{
    QList<int> months;
    QLineEdit *average = nullptr;
    for (const CodeField &field : m_store.member().fields) {
        auto *edit = qobject_cast<QLineEdit *>(control(field.field));
        if (field.kind == FieldKind::Number)
            months << edit->text().toInt();
        else if (field.kind == FieldKind::Average)
            average = edit;
    }
    if (average)
        average->setText(QString::number(CodeTableStore::lossAverage(months)));
}

QString TfrmUjKodtar::picturesFolder() const
{
    return ProgramFiles::folder(ProgramFiles::picturesFolderName(), m_services.settings.programPath());
}

void TfrmUjKodtar::showPicture(const QString &fileName)
{
    if (!imgJelzes)
        return;
    const QPixmap picture(QDir(picturesFolder()).filePath(fileName));
    imgJelzes->setPixmap(picture);
}

void TfrmUjKodtar::bbtOpenPictureClick()
{
    auto *edit = qobject_cast<QLineEdit *>(control(QStringLiteral("Jeloles")));
    const QString chosen = m_services.files.openFileName(QStringLiteral("Kép kiválasztása"), picturesFolder(),
        QStringLiteral("Képek (*.bmp)|*.bmp;*.BMP|Minden fájl|*.*"));
    if (chosen.isEmpty())
        return;
    const QString name = QFileInfo(chosen).fileName();
    const QFileInfo inFolder(QDir(picturesFolder()).filePath(name));
    if (!inFolder.exists()) {
        Refusal::error(QStringLiteral("A megadott fájl nem létezik!\rA képnek a ")
            + QDir::toNativeSeparators(picturesFolder()) + QStringLiteral(" mappában kell lennie!"))
            .show(m_services.messenger);
        edit->clear();
    } else if (name.size() > 16) {
        Refusal::error(QStringLiteral("A megadott fájlnév nem lehet 16 karakternél hosszabb!\rNevezze át rövidebbre!"))
            .show(m_services.messenger);
        edit->clear();
    } else {
        edit->setText(name);
    }
    showPicture(edit->text());
}

void TfrmUjKodtar::record()
{
    const CodeTable &member = m_store.member();
    const Refusal refusal = isNewMode() ? m_store.insert(entry()) : m_store.update(m_key, entry());
    if (refused(refusal))
        return;
    if (!isNewMode())
        m_store.followActiveWarehouse(m_services.settings, m_key);
    if (!saved())
        return;
    if (member.closeAfterNew)
        accept();
    else
        clearFields();
}
