#include "stock/ui/frmMunkaEv.h"

#include "widgets/UiBoundedField.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The platform message dialog shows "\r" as a line break; the label needs "\n".
QString labelText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

TfrmMunkaEv::TfrmMunkaEv(QWidget *parent)
    : QDialog(parent)
    , lblUzenet(new QLabel(this))
    , lblAktivEv(new QLabel(QStringLiteral("Aktív év :"), this))
    , edtDatum(new QLineEdit(this))
    , btnOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmMunkaEv"));
    setWindowTitle(QStringLiteral("Aktív munkaév beállítása"));
    // No close box: the dialog ends through "OK" only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    lblUzenet->setObjectName(QStringLiteral("lblUzenet"));
    lblUzenet->setWordWrap(true);
    lblUzenet->setMinimumHeight(QFontMetrics(lblUzenet->font()).lineSpacing() * 3);
    lblUzenet->setMinimumWidth(420);
    lblAktivEv->setObjectName(QStringLiteral("lblAktivEv"));
    edtDatum->setObjectName(QStringLiteral("edtDatum"));
    UiBoundedField::limit(edtDatum, 4);
    edtDatum->setFixedWidth(QFontMetrics(edtDatum->font()).horizontalAdvance(QStringLiteral("00000")) + 12);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setAutoDefault(true);

    auto *row = new QHBoxLayout;
    row->addWidget(lblAktivEv);
    row->addWidget(edtDatum);
    row->addStretch();
    row->addWidget(btnOK);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblUzenet);
    layout->addLayout(row);
    connect(btnOK, &QPushButton::clicked, this, &TfrmMunkaEv::btnOKClick);
}

void TfrmMunkaEv::showYear(const QString &message, const QString &year)
{
    m_accept = nullptr;
    m_message = message;
    lblUzenet->setText(labelText(message));
    edtDatum->setText(year);
    edtDatum->setReadOnly(true);
    m_mayClose = false;
    btnOK->setFocus();
}

void TfrmMunkaEv::askYear(
    const QString &message, const QString &proposedYear, std::function<bool(const QString &)> accept)
{
    m_accept = std::move(accept);
    m_message = message;
    lblUzenet->setText(labelText(message));
    edtDatum->setText(proposedYear);
    edtDatum->setReadOnly(false);
    m_mayClose = false;
    edtDatum->setFocus();
    edtDatum->selectAll();
}

void TfrmMunkaEv::showOpeningMessage(const QString &message)
{
    edtDatum->setReadOnly(true);
    lblUzenet->setText(labelText(message));
}

void TfrmMunkaEv::btnOKClick()
{
    // The handler lets the message loop run while it writes; a second "OK" must not start again.
    if (m_busy)
        return;
    if (m_accept) {
        m_busy = true;
        const bool accepted = m_accept(edtDatum->text());
        m_busy = false;
        if (!accepted) {
            edtDatum->setReadOnly(false);
            lblUzenet->setText(labelText(m_message));
            edtDatum->setFocus();
            edtDatum->selectAll();
            return;
        }
    }
    m_mayClose = true;
    accept();
}

void TfrmMunkaEv::reject()
{
    // Escape and the window manager's close request end here: only "OK" closes the dialog.
    if (m_mayClose)
        QDialog::reject();
}
