#include "shell/ui/frmParams.h"

#include "session/ParamText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmParams::TfrmParams(const Settings &settings, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmParams"));
    setWindowTitle(QStringLiteral("Program paraméterek"));

    auto *group = new QGroupBox(QStringLiteral("frmSetup Settings"));
    group->setObjectName(QStringLiteral("grpSettings"));
    auto *form = new QFormLayout(group);
    for (const auto &[label, value] : ParamText::lines(settings)) {
        auto *valueLabel = new QLabel(value);
        // "ProgramPath:" -> "lblProgramPath"
        valueLabel->setObjectName(QStringLiteral("lbl") + label.chopped(1));
        valueLabel->setTextFormat(Qt::PlainText);
        valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, valueLabel);
    }

    auto *close = new QPushButton(QStringLiteral("&Bezár"));
    close->setObjectName(QStringLiteral("btnKilep"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}
