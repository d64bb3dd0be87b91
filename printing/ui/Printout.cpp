#include "printing/ui/Printout.h"

#include "core/Refusal.h"

#include "session/Settings.h"
#include "core/Messenger.h"
#include "printing/ReportLayout.h"
#include "printing/ui/ReportPreview.h"

#include <QFileInfo>
#include <QImageReader>

Printout::Printout(const Settings &settings, Messenger &messenger)
    : m_settings(settings)
    , m_messenger(messenger)
{
}

Printout::~Printout() = default;

QString Printout::ownerLine(const Settings &settings)
{
    return QStringLiteral("Tulajdonos: [ ") + settings.cegNev() + QStringLiteral(" ] - ") + settings.cegIrsz()
        + QLatin1Char(' ') + settings.cegVaros() + QStringLiteral(", ") + settings.cegCim();
}

QString Printout::userLine(const Settings &settings)
{
    return QStringLiteral("Felhasználó: ") + settings.loginUser() + QStringLiteral(", ") + settings.securName();
}

QString Printout::noPrinterMessage()
{
    return QStringLiteral("Nincs nyomtató telepítve!\rA nyomtatási képet megtekintheti és elmentheti, amit később "
                          "kinyomtathat.");
}

QString Printout::footerQuestion()
{
    return QStringLiteral("Szeretné a láblécet is rányomtatni?");
}

double Printout::addStandardHeader(const QString &title, bool warehouseName)
{
    ReportBand &header = m_report.pageHeader();
    const double width = m_report.contentWidth();
    constexpr double TextLeft = 32;
    constexpr double RightColumn = 50;

    const QString logoPath = m_settings.logoPath();
    if (!logoPath.isEmpty() && QFileInfo(logoPath).isFile()) {
        QImageReader reader(logoPath);
        reader.setAutoTransform(true);
        const QImage logo = reader.read();
        if (!logo.isNull())
            header.picture(QRectF(0, 0, 30, 20), logo);
    }
    header.label(QRectF(TextLeft, 0, width - TextLeft - RightColumn, 8), title).setBold().setFontSize(14);
    header.label(QRectF(width - RightColumn, 0, RightColumn - 15.5, 5), QStringLiteral("Oldal:"))
        .setAlignment(Qt::AlignRight);
    header.system(QRectF(width - 14, 0, 14, 5), ReportElement::SystemField::PageNumber);
    header.system(QRectF(width - RightColumn, 5, RightColumn, 5), ReportElement::SystemField::DateTime)
        .setAlignment(Qt::AlignRight)
        .setFontSize(9);
    double y = 9;
    header.label(QRectF(TextLeft, y, width - TextLeft, 4.5), ownerLine(m_settings)).setFontSize(9);
    y += 4.5;
    header.label(QRectF(TextLeft, y, width - TextLeft, 4.5), userLine(m_settings)).setFontSize(9);
    y += 4.5;
    if (warehouseName) {
        header.label(QRectF(TextLeft, y, width - TextLeft, 5), m_settings.aktivRaktarNev()).setBold();
        y += 5;
    }
    y = std::max(y, 21.0);
    header.setHeight(y);
    return y;
}

void Printout::addSignatureFooter()
{
    ReportBand &footer = m_report.summaryChild();
    footer.setHeight(SignatureFooterHeight);
    const double column = m_report.contentWidth() / 4;
    for (int i = 0; i < 4; ++i) {
        const double x = i * column;
        footer.label(QRectF(x, 12, column, 5), QStringLiteral("........................................"))
            .setAlignment(Qt::AlignHCenter);
        m_footerCaptions[2 * i] = &footer.label(QRectF(x, 17, column, 4.5), QString()).setAlignment(Qt::AlignHCenter);
        m_footerCaptions[2 * i + 1]
            = &footer.label(QRectF(x, 21.5, column, 4.5), QString()).setAlignment(Qt::AlignHCenter);
    }
    footer.setBeforePrint([this, &footer](const ReportContext &) { return signatureFooterWanted(footer); });
}

bool Printout::signatureFooterWanted(ReportBand &band)
{
    if (m_footerDecided)
        return m_footerWanted;
    m_footerDecided = true;
    if (!m_settings.enableFooter()) {
        band.setEnabled(false);
        return m_footerWanted = false;
    }
    const int answer = m_messenger.showMessage(
        QStringLiteral("Kérdés"), Symbol::Question, footerQuestion(), QStringLiteral("Nem"), QStringLiteral("Igen"));
    if (answer != MsgResult::Yes) {
        band.setEnabled(false);
        return m_footerWanted = false;
    }
    const QString captions[8]
        = {m_settings.footer11(), m_settings.footer12(), m_settings.footer21(), m_settings.footer22(),
            m_settings.footer31(), m_settings.footer32(), m_settings.footer41(), m_settings.footer42()};
    for (int i = 0; i < 8; ++i)
        m_footerCaptions[i]->setText(captions[i]);
    return m_footerWanted = true;
}

PreparedReport Printout::prepare(QString *error)
{
    return ReportLayout::prepare(m_report, error);
}

bool Printout::preview(QWidget *parent, FilePrompt *prompt)
{
    if (m_settings.isPrinter() < 1)
        Refusal::warning(noPrinterMessage()).show(m_messenger);
    QString error;
    const PreparedReport pages = prepare(&error);
    if (!error.isEmpty()) {
        Refusal::error(error).show(m_messenger);
        return false;
    }
    if (m_previewer) {
        m_previewer(pages, parent);
        return true;
    }
    ReportPreview dialog(pages, m_messenger, prompt, parent);
    dialog.exec();
    return true;
}
