#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QWidget>

class Messenger;
class QLabel;
class QListWidget;

// The meal list of the headcount and norm reports ("Étkezések:"): one item per meal in table
// order, "code - name", several chosen at once, with " Összes kijelölése " and "Kijelölés
// törlése". With a limit, clicking one meal more than it allows shows its warning and takes the
// click back; selecting all is not limited.
class MealChoice : public QWidget
{
    Q_OBJECT
public:
    MealChoice(QSqlDatabase warehouse, Messenger &messenger, QWidget *parent = nullptr, int limit = 0);

    QListWidget *lbxEtkezesek;
    QLabel *lblOsszes;
    QLabel *lblTorles;

    // The chosen meals' codes (the first two characters of each item) and texts, in list order.
    QStringList codes() const;
    QStringList texts() const;
    void selectAll();

signals:
    void changed();

private:
    void itemClicked();

    Messenger &m_messenger;
    int m_limit;
};
