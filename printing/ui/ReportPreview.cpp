#include "printing/ui/ReportPreview.h"

#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "printing/QrpFile.h"
#include "printing/ui/PageOutput.h"
#include "printing/ui/PreviewPage.h"
#include "printing/ui/qrpOffline.h"
#include "widgets/UiControls.h"
#include "widgets/UiFilePrompt.h"
#include "widgets/UiFitToScreen.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

enum Zoom { WholePage, PageWidth };

bool choosePrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setWindowTitle(QStringLiteral("Nyomtatás"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

ReportPreview::ReportPreview(const PreparedReport &report, Messenger &messenger, FilePrompt *prompt, QWidget *parent)
    : QDialog(parent)
    , m_report(report)
    , m_messenger(messenger)
    , m_prompt(prompt)
    , m_chooser(choosePrinter)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Nyomtatási kép"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(900, 1000);

    btnFirst = pushButton(this, QStringLiteral("btnFirst"), QStringLiteral("|<"), false);
    btnPrev = pushButton(this, QStringLiteral("btnPrev"), QStringLiteral("<"), false);
    btnNext = pushButton(this, QStringLiteral("btnNext"), QStringLiteral(">"), false);
    btnLast = pushButton(this, QStringLiteral("btnLast"), QStringLiteral(">|"), false);
    // The arrows need no more room than their text, so the preview fits a small screen.
    for (QPushButton *arrow : {btnFirst, btnPrev, btnNext, btnLast})
        arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(arrow->text()) + 24);
    lblPage = new QLabel(this);
    lblPage->setObjectName(QStringLiteral("lblPage"));
    lblPage->setMinimumWidth(80);
    lblPage->setAlignment(Qt::AlignCenter);
    cmbZoom = new QComboBox(this);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    cmbZoom->addItem(QStringLiteral("Egész oldal"), -double(WholePage) - 1);
    cmbZoom->addItem(QStringLiteral("Oldalszélesség"), -double(PageWidth) - 1);
    for (int percent : {50, 75, 100, 150, 200})
        cmbZoom->addItem(QString::number(percent) + QLatin1Char('%'), percent / 100.0);
    btnPrint = pushButton(this, QStringLiteral("btnPrint"), QStringLiteral("&Nyomtatás"), false);
    btnSave = pushButton(this, QStringLiteral("btnSave"), QStringLiteral("&Mentés"), false);
    btnPdf = pushButton(this, QStringLiteral("btnPdf"), QStringLiteral("&PDF"), false);
    btnKilep = pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), false);

    m_canvas = new PreviewPage(m_report, this);
    m_canvas->setObjectName(QStringLiteral("pagePreview"));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrPreview"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_canvas);
    m_scroll->installEventFilter(this);

    auto *tools = new QHBoxLayout;
    for (QWidget *widget :
        {static_cast<QWidget *>(btnFirst), static_cast<QWidget *>(btnPrev), static_cast<QWidget *>(lblPage),
            static_cast<QWidget *>(btnNext), static_cast<QWidget *>(btnLast), static_cast<QWidget *>(cmbZoom)})
        tools->addWidget(widget);
    tools->addStretch();
    for (QWidget *widget : {btnPrint, btnSave, btnPdf, btnKilep})
        tools->addWidget(widget);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_scroll, 1);

    connect(btnFirst, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(btnPrev, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(btnNext, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(btnLast, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    cmbZoom->setCurrentIndex(PageWidth);
    connect(cmbZoom, &QComboBox::currentIndexChanged, this, [this] { applyZoom(); });
    connect(btnPrint, &QPushButton::clicked, this, &ReportPreview::printPages);
    connect(btnSave, &QPushButton::clicked, this, &ReportPreview::savePages);
    connect(btnPdf, &QPushButton::clicked, this, &ReportPreview::writePdf);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);

    showPage(0);
}

void ReportPreview::showPage(int page)
{
    m_page = qBound(0, page, std::max(0, pageCount() - 1));
    m_canvas->setPage(m_page);
    lblPage->setText(
        QString::number(pageCount() ? m_page + 1 : 0) + QStringLiteral(" / ") + QString::number(pageCount()));
    btnFirst->setEnabled(m_page > 0);
    btnPrev->setEnabled(m_page > 0);
    btnNext->setEnabled(m_page < pageCount() - 1);
    btnLast->setEnabled(m_page < pageCount() - 1);
    m_scroll->verticalScrollBar()->setValue(0);
}

void ReportPreview::applyZoom()
{
    const double choice = cmbZoom->currentData().toDouble();
    const QSizeF paper = m_report.pageSize;
    // The view without scroll bars, so that the zoom does not change when they come and go.
    const QSize view = m_scroll->maximumViewportSize() - QSize(2 * PreviewPage::Desk, 2 * PreviewPage::Desk);
    double pixelsPerMm;
    if (choice == -double(WholePage) - 1)
        pixelsPerMm = std::min(view.width() / paper.width(), view.height() / paper.height());
    else if (choice == -double(PageWidth) - 1)
        pixelsPerMm = (view.width() - m_scroll->verticalScrollBar()->sizeHint().width()) / paper.width();
    else
        pixelsPerMm = choice * logicalDpiX() / 25.4;
    m_canvas->setPixelsPerMm(std::max(0.5, pixelsPerMm));
}

void ReportPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitToScreen(this);
}

bool ReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll && event->type() == QEvent::Resize)
        applyZoom();
    return QDialog::eventFilter(watched, event);
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier) {
            showPage(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier) {
            showPage(pageCount() - 1);
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void ReportPreview::printPages()
{
    QPrinter printer(QPrinter::HighResolution);
    PageOutput::setUpPrinter(m_report, printer);
    printer.setFromTo(0, 0);
    if (!m_chooser(printer, this))
        return;
    if (!PageOutput::print(m_report, printer))
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, QStringLiteral("A nyomtatás nem indítható el!"),
            QStringLiteral("OK"));
}

QString ReportPreview::askSaveName(const QString &caption, const QString &filter, const QString &suffix)
{
    const QString dir = TqrpOffline::folder();
    if (m_prompt)
        return m_prompt->saveFileName(caption, dir, filter, suffix);
    UiFilePrompt dialogs(this);
    return dialogs.saveFileName(caption, dir, filter, suffix);
}

void ReportPreview::savePages()
{
    const QString path
        = askSaveName(QStringLiteral("Nyomtatás mentése"), TqrpOffline::fileFilter(), QStringLiteral("qrp"));
    if (path.isEmpty())
        return;
    const QString error = QrpFile::save(m_report, path);
    if (!error.isEmpty())
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, error, QStringLiteral("OK"));
}

void ReportPreview::writePdf()
{
    const QString path
        = askSaveName(QStringLiteral("Mentés PDF fájlba"), QStringLiteral("PDF fájl|*.PDF"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const QString error = PageOutput::writePdf(m_report, path);
    if (!error.isEmpty())
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, error, QStringLiteral("OK"));
}
