#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;

// The four result lines of the norm comparisons: norm budget, material cost, deviation, per cent.
class NormResultPanel : public QWidget
{
    Q_OBJECT
public:
    // `captions`: the four captions ("Normakeret:", ... ).
    NormResultPanel(const QStringList &captions, QWidget *parent = nullptr);

    QLabel *lblNormakeret;
    QLabel *lblAnyag;
    QLabel *lblElteres;
    QLabel *lblSzazalek;

    void setTexts(const QStringList &texts);
    // Each caption, a blank and the text shown beside it, for the printouts.
    QStringList lines() const;

private:
    QStringList m_captions;
};
