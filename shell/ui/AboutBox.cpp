#include "shell/ui/AboutBox.h"

#include "Version.h"
#include "session/Settings.h"
#include "session/Vendor.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace {

constexpr int MaxLabelWidth = 560;

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text = QString())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// Owner values come from the database and may be of any length: a label longer than the box may
// be wide is cut with an ellipsis and shows the whole text as its tool tip.
void setFittedText(QLabel *label, const QString &text, int width)
{
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, width);
    label->setText(shown);
    if (shown != text)
        label->setToolTip(text);
}

QString link(const QString &target, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

TAboutBox::TAboutBox(const Settings &settings, QWidget *parent)
    : QDialog(parent)
    , m_openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Névjegy"));

    imgLogo = makeLabel(this, "imgLogo");
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        imgLogo->setPixmap(icon.pixmap(64, 64));
    auto *title = makeLabel(this, "lblTermek", Vendor::productName());
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: rgb(70, 101, 176);"));

    const QString version = settings.progVer().isEmpty() ? QStringLiteral(SALVIA_VERSION) : settings.progVer();
    lblVer = makeLabel(this, "lblVer", QStringLiteral("Program verzió: ") + version);

    auto *owner = new QGroupBox(QStringLiteral("Tulajdonos adatai"), this);
    owner->setObjectName(QStringLiteral("grpTulajdonos"));
    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int labelWidth = std::min(MaxLabelWidth, screen->availableGeometry().width() - 80);
    lblNev = makeLabel(owner, "lblNev");
    lblCim = makeLabel(owner, "lblCim");
    setFittedText(lblNev, QStringLiteral("Tulajdonos neve: ") + settings.cegNev(), labelWidth);
    setFittedText(lblCim,
        QStringLiteral("Tulajdonos címe: ") + settings.cegIrsz() + QLatin1Char(' ') + settings.cegVaros()
            + QStringLiteral(", ") + settings.cegCim(),
        labelWidth);
    auto *ownerLayout = new QVBoxLayout(owner);
    ownerLayout->addWidget(lblNev);
    ownerLayout->addWidget(lblCim);

    auto *vendor = new QGroupBox(QStringLiteral("Terjesztő:"), this);
    vendor->setObjectName(QStringLiteral("grpTerjeszto"));
    lblTerjeszto = makeLabel(vendor, "lblTerjeszto", Vendor::name());
    lblTerjCim = makeLabel(vendor, "lblTerjCim", Vendor::postalAddress());
    lblTelefon = makeLabel(vendor, "lblTelefon", QStringLiteral("Telefon: ") + Vendor::phone());
    lblFax = makeLabel(vendor, "lblFax", QStringLiteral("Fax: ") + Vendor::fax());
    lblWeb = makeLabel(vendor, "lblWeb", link(Vendor::webAddress(), Vendor::webAddress()));
    lblMail
        = makeLabel(vendor, "lblMail", QStringLiteral("E-mail: ") + link(mailLink().toString(), Vendor::mailAddress()));
    lblManager = makeLabel(vendor, "lblManager",
        QStringLiteral("Program manager: ") + Vendor::managerName() + QStringLiteral(", ") + Vendor::managerPhone());
    for (QLabel *linkLabel : {lblWeb, lblMail}) {
        linkLabel->setTextFormat(Qt::RichText);
        linkLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        linkLabel->setOpenExternalLinks(false);
    }
    connect(lblWeb, &QLabel::linkActivated, this, &TAboutBox::lblWebLinkActivated);
    connect(lblMail, &QLabel::linkActivated, this, &TAboutBox::lblMailLinkActivated);
    auto *vendorLayout = new QVBoxLayout(vendor);
    for (QLabel *label : {lblTerjeszto, lblTerjCim, lblTelefon, lblFax, lblWeb, lblMail, lblManager})
        vendorLayout->addWidget(label);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *head = new QGridLayout;
    head->addWidget(imgLogo, 0, 0, 2, 1);
    head->addWidget(title, 0, 1);
    head->addWidget(lblVer, 1, 1);
    head->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(owner);
    layout->addWidget(vendor);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QUrl TAboutBox::mailLink()
{
    QUrl url(QStringLiteral("mailto:") + Vendor::mailAddress());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), Vendor::productName() + QStringLiteral(" élelmezési program"));
    url.setQuery(query);
    return url;
}

void TAboutBox::lblWebLinkActivated()
{
    m_openUrl(QUrl(Vendor::webAddress()));
}

void TAboutBox::lblMailLinkActivated()
{
    m_openUrl(mailLink());
}
