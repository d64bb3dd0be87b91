#include "proceedings/ui/qrpJegyzokonyv.h"

#include "session/Settings.h"

TqrpJegyzokonyv::TqrpJegyzokonyv(const Settings &settings, Messenger &messenger, const QString &text, const QDate &date)
    : Printout(settings, messenger)
    , m_lines({QStringLiteral("Sor")})
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : std::as_const(lines))
        m_lines.addRow({line});

    Report &report = this->report();
    report.setData(&m_lines);
    const double width = report.contentWidth();

    ReportBand &title = report.title();
    title.setHeight(20);
    title.label(QRectF(0, 0, width, 12), QStringLiteral("Jegyzőkönyv"))
        .setBold()
        .setFontSize(20)
        .setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    ReportBand &detail = report.detail();
    detail.setHeight(5.5);
    qrmSzoveg = &detail.field(QRectF(0, 0, width, 5.5), QStringLiteral("Sor")).setFontSize(12).setWordWrap();

    ReportBand &summary = report.summary();
    summary.setHeight(45);
    qrlDatum = &summary.label(QRectF(0, 15, width, 6), dateLine(settings.cegVaros(), date)).setFontSize(11);
    summary
        .label(QRectF(0, 28, width, 6),
            QStringLiteral("A jegyzőkönyvet készítette: ..........................................................."))
        .setFontSize(11);
    summary
        .label(QRectF(0, 38, width, 6),
            QStringLiteral(
                "Tanú aláírása: ..............................................................................."))
        .setFontSize(11);
}

QString TqrpJegyzokonyv::dateLine(const QString &city, const QDate &date)
{
    return city + QStringLiteral(", ") + date.toString(QStringLiteral("yyyy.MM.dd"));
}
