#include "widgets/frmDatum.h"

#include "core/DatePrompt.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmDatum::TfrmDatum(QWidget *parent)
    : QDialog(parent)
    , lblDatum(new QLabel(QStringLiteral("Nyitótétel dátuma:"), this))
    , dtpDatum(new QDateEdit(QDate::currentDate(), this))
    , btnOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmDatum"));
    setWindowTitle(QStringLiteral("Dátum bekérés"));
    lblDatum->setObjectName(QStringLiteral("lblDatum"));
    dtpDatum->setObjectName(QStringLiteral("dtpDatum"));
    dtpDatum->setCalendarPopup(true);
    dtpDatum->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);

    auto *row = new QHBoxLayout;
    row->addWidget(lblDatum);
    row->addWidget(dtpDatum);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmDatum::setLabel(const QString &text)
{
    lblDatum->setText(text);
}

QDate TfrmDatum::askDate(const QDate &proposed)
{
    dtpDatum->setDate(proposed.isValid() ? proposed : QDate::currentDate());
    if (exec() != QDialog::Accepted)
        return DatePrompt::noDate();
    return dtpDatum->date();
}
