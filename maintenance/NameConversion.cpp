#include "maintenance/NameConversion.h"

#include "core/TextCodec.h"
#include "stock/StockSql.h"
#include "store/RowReader.h"
#include "store/WriteTransaction.h"

#include <QHash>

namespace NameConversion {

namespace {

// The Hungarian letters of Windows-1250: áéíóöőúüű and their capitals.
bool isHungarianLetter(uchar byte)
{
    static const QByteArray letters("\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB");
    return letters.contains(char(byte));
}

const QHash<uchar, QChar> &dosLetters()
{
    static const QHash<uchar, QChar> letters {{0xA0, u'á'}, {0xA1, u'í'}, {0xFB, u'ű'}, {0x8B, u'ő'}, {0x81, u'ü'},
        {0x94, u'ö'}, {0xA3, u'ú'}, {0xA2, u'ó'}, {0x82, u'é'}, {0xB5, u'Á'}, {0xD6, u'Í'}, {0xEB, u'Ű'},
        {0x8A, u'Ő'}, {0x9A, u'Ü'}, {0x99, u'Ö'}, {0xE9, u'Ú'}, {0xE0, u'Ó'}, {0x90, u'É'}};
    return letters;
}

} // namespace

QString converted(const QString &name)
{
    if (!TextCodec::outsideWindows1250(name).isEmpty())
        return name;
    const QByteArray bytes = TextCodec::toWindows1250(name);
    bool needed = false;
    for (const char c : bytes)
        needed = needed || (uchar(c) >= 0x80 && !isHungarianLetter(uchar(c)));
    if (!needed)
        return name;
    QString result;
    for (const char c : bytes) {
        const auto letter = dosLetters().constFind(uchar(c));
        result += letter != dosLetters().constEnd() ? QString(*letter) : TextCodec::fromWindows1250(QByteArray(1, c));
    }
    return result;
}

Refusal checkTable(const QString &tableName)
{
    if (tableName.contains(QLatin1String("anyag"), Qt::CaseInsensitive))
        return Refusal();
    return Refusal::error(QStringLiteral("Nincs megnyitva az Anyag.db a karakterkonverzióhoz!"));
}

Checked<QList<Change>> preview(QSqlDatabase warehouse)
{
    const auto rows = readRows<Change>(warehouse,
        QStringLiteral("SELECT \"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\" FROM \"Anyag\" ORDER BY \"FokonyviSzam\", "
                       "\"NyilvSzam\""),
        {}, [](const QSqlQuery &q) {
            const QString name = q.value(2).toString();
            return Change {q.value(0).toString(), q.value(1).toString(), name, converted(name)};
        });
    if (!rows.ok())
        return rows;
    QList<Change> changes;
    for (const Change &change : rows.value) {
        if (change.after != change.before)
            changes << change;
    }
    return Checked<QList<Change>>::accepted(changes);
}

QString question(int count)
{
    return QStringLiteral("%1 anyag neve DOS-os kódlapú karaktert tartalmaz. Átalakítja ezeket a neveket?").arg(count);
}

Checked<int> apply(QSqlDatabase warehouse, const QList<Change> &changes, int lockKey)
{
    int written = 0;
    const WriteResult result = WriteTransaction::run(
        warehouse,
        [&]() -> Refusal {
            for (const Change &change : changes) {
                StockSql::run(warehouse,
                    QStringLiteral("UPDATE \"Anyag\" SET \"Megnevezes\" = ? WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" "
                                   "= ? AND \"Megnevezes\" = ?"),
                    {change.after, change.fokonyviSzam, change.nyilvSzam, change.before});
                ++written;
            }
            return Refusal();
        },
        lockKey);
    if (!result.ok())
        return Checked<int>::refused(result.refusal);
    return Checked<int>::accepted(written);
}

} // namespace NameConversion
