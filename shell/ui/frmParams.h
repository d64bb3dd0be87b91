#pragma once

#include <QDialog>

class Settings;

// "Program paraméterek": the run values of the settings object, read-only, for support.
class TfrmParams : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmParams(const Settings &settings, QWidget *parent = nullptr);
};
