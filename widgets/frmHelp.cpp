#include "widgets/frmHelp.h"

#include "session/HelpPages.h"
#include "widgets/UiFitToScreen.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TfrmHelp::TfrmHelp(const QString &helpFolder, Messenger &messenger, QWidget *parent)
    : QDialog(parent)
    , m_folder(helpFolder)
    , m_messenger(messenger)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Súgó"));
    setMinimumSize(640, 457);
    resize(800, 600);

    auto makeButton = [this](const char *name, const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    btnBackward = makeButton("btnBackward", QStringLiteral("&Vissza"));
    btnHome = makeButton("btnHome", QStringLiteral("&Tartalom"));
    btnForward = makeButton("btnForward", QStringLiteral("&Előre"));
    btnNyomtat = makeButton("btnNyomtat", QStringLiteral("&Nyomtat"));
    btnBezar = makeButton("btnBezar", QStringLiteral("&Bezár"));
    btnBackward->setEnabled(false);
    btnForward->setEnabled(false);

    brwHtml = new QTextBrowser(this);
    brwHtml->setObjectName(QStringLiteral("brwHtml"));
    // Links are followed here, so a missing page gets the same warning as a missing topic.
    brwHtml->setOpenLinks(false);
    // The view does not load linked style sheets: the pages' shared one is applied to every page.
    QFile styleSheet(QDir(m_folder).filePath(QStringLiteral("salvia.css")));
    if (styleSheet.open(QIODevice::ReadOnly))
        brwHtml->document()->setDefaultStyleSheet(QString::fromUtf8(styleSheet.readAll()));

    auto *bar = new QHBoxLayout;
    bar->addWidget(btnBackward);
    bar->addWidget(btnHome);
    bar->addWidget(btnForward);
    bar->addWidget(btnNyomtat);
    bar->addStretch();
    bar->addWidget(btnBezar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(brwHtml, 1);

    connect(btnBackward, &QPushButton::clicked, this, &TfrmHelp::btnBackwardClick);
    connect(btnHome, &QPushButton::clicked, this, &TfrmHelp::btnHomeClick);
    connect(btnForward, &QPushButton::clicked, this, &TfrmHelp::btnForwardClick);
    connect(btnNyomtat, &QPushButton::clicked, this, &TfrmHelp::btnNyomtatClick);
    connect(btnBezar, &QPushButton::clicked, this, &QDialog::accept);
    connect(brwHtml, &QTextBrowser::anchorClicked, this, &TfrmHelp::brwHtmlAnchorClicked);
    // The history decides whether a step back or forward is possible.
    connect(brwHtml, &QTextBrowser::backwardAvailable, btnBackward, &QWidget::setEnabled);
    connect(brwHtml, &QTextBrowser::forwardAvailable, btnForward, &QWidget::setEnabled);
}

bool TfrmHelp::openPage(const QString &page)
{
    const QUrl link(page);
    const QString file = HelpPages::findPage(m_folder, link.path());
    if (file.isEmpty()) {
        HelpPages::warnMissing(m_messenger, link.path());
        return false;
    }
    QUrl target = QUrl::fromLocalFile(file);
    target.setFragment(link.fragment());
    brwHtml->setSource(target);
    return true;
}

void TfrmHelp::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitToScreen(this);
}

QString TfrmHelp::currentPage() const
{
    return QFileInfo(brwHtml->source().toLocalFile()).fileName();
}

void TfrmHelp::btnBackwardClick()
{
    brwHtml->backward();
}

void TfrmHelp::btnHomeClick()
{
    openPage(HelpPages::contentsPage());
}

void TfrmHelp::btnForwardClick()
{
    brwHtml->forward();
}

void TfrmHelp::btnNyomtatClick()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        brwHtml->print(&printer);
}

void TfrmHelp::brwHtmlAnchorClicked(const QUrl &link)
{
    if (!link.scheme().isEmpty() && link.scheme() != QLatin1String("file")) {
        // Web and mail addresses go to the default browser and mail program.
        QDesktopServices::openUrl(link);
        return;
    }
    // A link is relative to the page shown; pages are looked up in the help folder.
    const QUrl target = brwHtml->source().resolved(link);
    QString page = QDir(m_folder).relativeFilePath(target.toLocalFile());
    if (!target.fragment().isEmpty())
        page += QLatin1Char('#') + target.fragment();
    openPage(page);
}
