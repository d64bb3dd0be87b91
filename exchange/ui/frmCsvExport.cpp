#include "exchange/ui/frmCsvExport.h"

#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "exchange/CsvExport.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

const QString TfrmCsvExport::SaveCaption = QStringLiteral("Mentés másként");
const QString TfrmCsvExport::SaveFilter = QStringLiteral("Vesszővel tagolt szöveg (.csv)|*.CSV|Minden fájl|*.*");
const QString TfrmCsvExport::SaveSuffix = QStringLiteral(".csv");

TfrmCsvExport::TfrmCsvExport(FilePrompt &filePrompt, Messenger &messenger, QWidget *parent)
    : QDialog(parent), m_filePrompt(filePrompt), m_messenger(messenger)
{
    setObjectName(QStringLiteral("frmCsvExport"));
    setWindowTitle(QStringLiteral("CSV Export"));
    // The rows are read under this window: nothing else may be clicked meanwhile.
    setWindowModality(Qt::ApplicationModal);
    lblFolyamat = new QLabel(QStringLiteral("Adatexport folyamatban..."), this);
    lblFolyamat->setObjectName(QStringLiteral("lblFolyamat"));
    pbrExport = new QProgressBar(this);
    pbrExport->setObjectName(QStringLiteral("pbrExport"));
    pbrExport->setRange(0, 100);
    pbrExport->setValue(0);
    pbrExport->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblFolyamat);
    layout->addWidget(pbrExport);
    setMinimumWidth(320);
}

void TfrmCsvExport::step()
{
    pbrExport->setValue(pbrExport->value() >= 100 ? 0 : pbrExport->value() + 1);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TfrmCsvExport::exportData(QAbstractItemModel *model, QAbstractItemView *view)
{
    const QString path = m_filePrompt.saveFileName(SaveCaption, QDir::current().absoluteFilePath(m_fileName),
                                                   SaveFilter, SaveSuffix);
    if (path.isEmpty() || !model)
        return QString();

    pbrExport->setValue(0);
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const bool viewUpdates = view && view->updatesEnabled();
    if (view)
        view->setUpdatesEnabled(false);
    const CsvExport::Sheet sheet = CsvExport::read(*model, [this](int, int) { step(); });

    if (view) {
        QAbstractItemModel *shown = view->model();
        if (shown && shown->rowCount() > 0)
            view->setCurrentIndex(shown->index(0, qMax(view->currentIndex().column(), 0)));
        view->scrollToTop();
        view->setUpdatesEnabled(viewUpdates);
    }
    close();

    // Nothing is written with "?" in place of a character unless the user agrees to it.
    const Refusal question = CsvExport::unwritable(sheet);
    if (question
        && m_messenger.showMessage(
               question.caption, question.symbol, question.text, QStringLiteral("Igen"), QStringLiteral("Nem"))
            != MsgResult::Yes)
        return QString();
    const QString error = CsvExport::writeFile(path, CsvExport::encode(sheet));
    if (!error.isEmpty()) {
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, error, QStringLiteral("OK"));
        return QString();
    }
    return path;
}

QString TfrmCsvExport::run(QWidget *parent, FilePrompt &filePrompt, Messenger &messenger, QAbstractItemModel *model,
                           const QString &fileName, QAbstractItemView *view)
{
    TfrmCsvExport window(filePrompt, messenger, parent);
    window.setFileName(fileName);
    return window.exportData(model, view);
}
