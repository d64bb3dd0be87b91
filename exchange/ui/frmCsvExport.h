#pragma once

#include <QDialog>

class FilePrompt;
class Messenger;
class QAbstractItemModel;
class QAbstractItemView;
class QLabel;
class QProgressBar;

// The CSV export of a grid's data set: asks for the file, shows "Adatexport folyamatban..." with
// a moving progress bar while the rows are written, and leaves the grid on its first row.
class TfrmCsvExport : public QDialog
{
    Q_OBJECT
public:
    static const QString SaveCaption;
    static const QString SaveFilter;
    static const QString SaveSuffix;

    TfrmCsvExport(FilePrompt &filePrompt, Messenger &messenger, QWidget *parent = nullptr);

    // The name the save dialog proposes, in the current folder ("Partner.csv").
    void setFileName(const QString &name) { m_fileName = name; }

    // Runs the export of `model`; `view` is the grid that shows it, if any. Returns the file
    // written, or "" when the save dialog was cancelled, the user did not agree to "?" in place
    // of characters the file cannot hold (nothing written in either case), or the file could not
    // be written (the error is shown).
    QString exportData(QAbstractItemModel *model, QAbstractItemView *view = nullptr);

    // Creates the window, exports and frees it: the call of every "&Export" button.
    static QString run(QWidget *parent, FilePrompt &filePrompt, Messenger &messenger, QAbstractItemModel *model,
                       const QString &fileName, QAbstractItemView *view = nullptr);

    QLabel *lblFolyamat;
    QProgressBar *pbrExport;

private:
    void step();

    FilePrompt &m_filePrompt;
    Messenger &m_messenger;
    QString m_fileName;
};
