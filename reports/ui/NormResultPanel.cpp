#include "reports/ui/NormResultPanel.h"

#include "reports/NormComparison.h"
#include "widgets/UiControls.h"

#include <QGridLayout>
#include <QLabel>

NormResultPanel::NormResultPanel(const QStringList &captions, QWidget *parent)
    : QWidget(parent)
    , m_captions(captions)
{
    lblNormakeret = named(new QLabel(this), "lblNormakeret");
    lblAnyag = named(new QLabel(this), "lblAnyag");
    lblElteres = named(new QLabel(this), "lblElteres");
    lblSzazalek = named(new QLabel(this), "lblSzazalek");
    auto *grid = new QGridLayout(this);
    const QList<QLabel *> values {lblNormakeret, lblAnyag, lblElteres, lblSzazalek};
    for (int row = 0; row < values.size(); ++row) {
        grid->addWidget(new QLabel(captions.value(row), this), row, 0);
        values.at(row)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(values.at(row), row, 1);
    }
    setTexts(NormComparison::initialTexts());
}

void NormResultPanel::setTexts(const QStringList &texts)
{
    const QList<QLabel *> values {lblNormakeret, lblAnyag, lblElteres, lblSzazalek};
    for (int row = 0; row < values.size(); ++row)
        values.at(row)->setText(texts.value(row));
}

QStringList NormResultPanel::lines() const
{
    const QList<QLabel *> values {lblNormakeret, lblAnyag, lblElteres, lblSzazalek};
    QStringList list;
    for (int row = 0; row < values.size(); ++row)
        list << m_captions.value(row) + QLatin1Char(' ') + values.at(row)->text();
    return list;
}
