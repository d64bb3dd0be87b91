#include "master/ui/frmUjKodtar.h"

#include "core/Dates.h"
#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "core/NumberFormat.h"
#include "master/ui/MasterControls.h"
#include "session/ProgramFiles.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "widgets/UiHelp.h"

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
#include <QVBoxLayout>

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
    : QDialog(parent)
    , m_services(services)
    , m_store(store)
    , m_key(key)
{
    const CodeTable &member = store.member();
    setObjectName(member.editScreen);
    setWindowTitle(isNewMode() ? QStringLiteral("Új adat felvitele") : QStringLiteral("Adat módosítása"));
    setModal(true);

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
            auto *edit = MasterControls::lineEdit(this, field.control, width);
            if (field.kind == FieldKind::Code && member.keyForm == KeyForm::UpperCase)
                upperCaseWhileTyping(edit);
            control = edit;
            break;
        }
        case FieldKind::Number:
        case FieldKind::Average: {
            auto *edit = MasterControls::lineEdit(this, field.control, 3);
            edit->setValidator(new QIntValidator(0, 100, edit));
            edit->setReadOnly(field.kind == FieldKind::Average);
            if (field.kind == FieldKind::Number)
                connect(edit, &QLineEdit::textChanged, this, &TfrmUjKodtar::updateAverage);
            control = edit;
            break;
        }
        case FieldKind::Direction: {
            auto *combo = new QComboBox(this);
            combo->setObjectName(field.control);
            combo->addItem(QStringLiteral("BE"), QStringLiteral("BE"));
            combo->addItem(QStringLiteral("KI"), QStringLiteral("KI"));
            control = combo;
            break;
        }
        case FieldKind::Lookup: {
            auto *combo = new QComboBox(this);
            combo->setObjectName(field.control);
            MasterControls::fillLookup(combo, store.database(),
                QStringLiteral("SELECT \"%1\", \"%2\" FROM \"%3\" ORDER BY \"%1\"")
                    .arg(field.lookupKey, field.lookupShown, field.lookupTable));
            control = combo;
            break;
        }
        case FieldKind::Date: {
            auto *picker = new QDateEdit(this);
            picker->setObjectName(field.control);
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
            months->addRow(MasterControls::label(this, field.label, control), control);
        } else if (field.kind == FieldKind::Average && months) {
            months->addRow(MasterControls::label(this, field.label, control), control);
        } else {
            form->addRow(MasterControls::label(this, field.label, control), control);
        }
        if (field.kind != FieldKind::Average)
            chain << control;
        if (field.kind == FieldKind::Picture) {
            imgJelzes = new QLabel(this);
            imgJelzes->setObjectName(QStringLiteral("imgJelzes"));
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

    btnRogzit = pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Rögzít"), false);
    btnMegse = pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Mégse"), false);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(btnRogzit, &QPushButton::clicked, this, &TfrmUjKodtar::btnRogzitClick);
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, m_store.member().editHelpPage); });
    installHelpKey(this, m_services.settings, m_services.messenger, member.editHelpPage);
    chain << btnRogzit;
    UiEnterMovesFocus::install(chain);

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

void TfrmUjKodtar::btnRogzitClick()
{
    const CodeTable &member = m_store.member();
    const Refusal refusal = isNewMode() ? m_store.insert(entry()) : m_store.update(m_key, entry());
    if (showRefusal(this, m_services.messenger, refusal))
        return;
    if (!isNewMode()) {
        m_store.followActiveWarehouse(m_services.settings, m_key);
        noticeModified(m_services);
        accept();
        return;
    }
    noticeAdded(m_services);
    if (member.closeAfterNew)
        accept();
    else
        clearFields();
}
