#include "transfer/UviExport.h"

#include "core/TextCodec.h"
#include "store/PreparedStatement.h"
#include "store/RowReader.h"
#include "store/Sql.h"
#include "store/StatementSet.h"
#include "store/WriteFailure.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace UviExport {

namespace {

const QStringList FileCodes = {QStringLiteral("MG"), QStringLiteral("PA"), QStringLiteral("HF"), QStringLiteral("HT"),
    QStringLiteral("TT"), QStringLiteral("TF")};

// yyyyMMdd, written digit by digit: it is called for every voucher.
QString dayText(const QDate &day)
{
    if (!day.isValid())
        return QString();
    QString text(8, QLatin1Char('0'));
    const auto put = [&text](int number, int end, int width) {
        for (int i = 0; i < width; ++i, number /= 10)
            text[end - i] = QLatin1Char(char('0' + number % 10));
    };
    put(day.year(), 3, 4);
    put(day.month(), 5, 2);
    put(day.day(), 7, 2);
    return text;
}

// A field of a line: `name` names a text field that is checked as it is added; the export's own
// constant and numeric fields have an empty name.
struct Field
{
    const char *name;
    QStringView value;
};

bool plainText(QStringView value)
{
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() >= 0x7F || c == QLatin1Char('|'))
            return false;
    }
    return true;
}

// One file's bytes while its lines are built, in Windows-1250 with CRLF line ends.
class FileText
{
public:
    FileText(QString code, const Identity &identity, const QDate &today)
        : m_code(std::move(code))
    {
        const QString day = dayText(today);
        append({{"", u"WIN"}, {"", identity.cegAzon}, {"", identity.adosz}, {"", identity.bRendAz}, {"", day},
            {"", u"3.00"}});
    }

    // A data line; `row()` names it in a refusal.
    template <typename RowName>
    Refusal add(const RowName &row, std::initializer_list<Field> fields)
    {
        for (const Field &field : fields) {
            if (*field.name == 0 || plainText(field.value))
                continue;
            if (const QString fault = faultOf(field.value); !fault.isEmpty()) {
                return Refusal::error(QStringLiteral("Az exportálás nem lehetséges: a(z) %1 fájl %2 sorának %3 mezője %4.\r"
                                                     "Javítsa az adatot, és exportáljon újra! Egy fájl sem készült el.")
                                          .arg(m_code, row(), QLatin1String(field.name), fault));
            }
        }
        append(fields);
        ++m_dataLines;
        return Refusal();
    }

    QByteArray bytes() const { return m_bytes + QByteArray::number(m_dataLines) + "|\r\n"; }

private:
    static QString faultOf(QStringView value)
    {
        if (value.contains(QLatin1Char('|')))
            return QStringLiteral("„|” jelet tartalmaz");
        if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
            return QStringLiteral("sortörést tartalmaz");
        if (const QString outside = TextCodec::outsideWindows1250(value.toString()); !outside.isEmpty())
            return QStringLiteral("Windows-1250 kódlapon nem írható karaktert tartalmaz (%1)").arg(outside);
        return QString();
    }

    void append(std::initializer_list<Field> fields)
    {
        for (const Field &field : fields) {
            bool ascii = true;
            for (const QChar c : field.value)
                ascii = ascii && c.unicode() < 0x80;
            // Windows-1250 agrees with ASCII; other texts go through the code page.
            if (ascii) {
                for (const QChar c : field.value)
                    m_bytes.append(char(c.unicode()));
            } else {
                m_bytes += TextCodec::toWindows1250(field.value.toString());
            }
            m_bytes.append('|');
        }
        m_bytes.append("\r\n");
    }

    QString m_code;
    QByteArray m_bytes;
    int m_dataLines = 0;
};

Refusal movementTypes(QSqlDatabase db, FileText &file)
{
    struct Type
    {
        QString kod, megnevezes, irany;
    };
    const auto rows = readRows<Type>(db,
        QStringLiteral("SELECT \"MozgnemKod\", \"Megnevezes\", \"Irany\" FROM \"Mozgnem\" ORDER BY \"MozgnemKod\""), {},
        [](const QSqlQuery &q) { return Type {q.value(0).toString(), q.value(1).toString(), q.value(2).toString()}; });
    if (!rows.ok())
        return rows.refusal;
    for (const Type &t : rows.value) {
        const auto row = [&t] { return QStringLiteral("„%1” mozgásnem").arg(t.kod); };
        if (const Refusal refusal = file.add(row,
                {{"MozgnemKod", t.kod}, {"Megnevezes", t.megnevezes}, {"", u""}, {"", u""}, {"", u"A"},
                    {"", t.irany == QLatin1String("BE") ? u"N" : u"C"}, {"", u"E"}, {"", u"1"}}))
            return refusal;
    }
    return Refusal();
}

Refusal partners(QSqlDatabase db, const Identity &identity, FileText &file)
{
    struct Partner
    {
        QString azon, nev, irszam, telepules, utca, szamlaszam, adoszam;
    };
    const auto rows = readRows<Partner>(db,
        QStringLiteral("SELECT \"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", \"Utca\", \"Szamlaszam\", \"Adoszam\" "
                       "FROM \"Partner\" ORDER BY \"PartAzon\""),
        {}, [](const QSqlQuery &q) {
            return Partner {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                q.value(4).toString(), q.value(5).toString(), q.value(6).toString()};
        });
    if (!rows.ok())
        return rows.refusal;
    static const QRegularExpression separators(QStringLiteral("[- ]"));
    for (const Partner &p : rows.value) {
        const auto row = [&p] { return QStringLiteral("„%1” partner").arg(p.azon); };
        if (const Refusal refusal = file.add(row,
                {{"", identity.egys}, {"PartAzon", p.azon}, {"Nev", p.nev}, {"Irszam", p.irszam}, {"", u"Magyarország"},
                    {"Telepules", p.telepules}, {"Utca", p.utca},
                    {"Szamlaszam", QString(p.szamlaszam).remove(separators)},
                    {"Adoszam", QString(p.adoszam).remove(separators)}, {"", u""}, {"", u""}, {"", u""},
                    {"", u"Beszállító"}, {"", u"Partner"}, {"", u"N"}, {"", u"N"}, {"", u"I"}, {"", u"N"}, {"", u""},
                    {"", u""}, {"", u""}, {"", u"Átlagáras"}, {"", u""}}))
            return refusal;
    }
    return Refusal();
}

// The period's vouchers in date order, one line each; grouped by the columns of that order so
// that one sort serves both the grouping and the order. The net sums of receipts and of the
// other movements are added up on the way.
Refusal voucherLines(QSqlDatabase db, const Identity &id, const Period &period, FileText &file, Money &receiptsNet,
    Money &othersNet)
{
    QString error;
    PreparedStatement *query = StatementSet::of(db).statement(
        QStringLiteral("SELECT \"BizSzam\", \"Datum\", \"Mozgnem\", \"PartAzon\", \"BK\", SUM(\"TetelErtek\"), "
                       "SUM(\"Brutto\") FROM \"Raktar\" "
                       "WHERE \"Datum\" >= ? AND \"Datum\" <= ? AND \"BizSzam\" <> '00000000' "
                       "GROUP BY \"Datum\", \"BizSzam\", \"BK\", \"Mozgnem\", \"PartAzon\" "
                       "ORDER BY \"Datum\", \"BizSzam\", \"BK\", \"Mozgnem\", \"PartAzon\""),
        &error);
    if (!query)
        return WriteFailure::readFailed(error);
    query->bindDate(0, period.nyitoDatum);
    query->bindDate(1, period.zaroDatum);
    if (!query->exec())
        return WriteFailure::readFailed(query->error());
    while (query->next()) {
        const QString bizSzam = query->text(0);
        const QString day = dayText(query->date(1));
        const Money net = query->money(5);
        (query->text(4) == QLatin1String("BE") ? receiptsNet : othersNet) += net;
        const QString netto = amountText(net);
        const QString brutto = amountText(query->money(6));
        const auto row = [&bizSzam, &day] { return QStringLiteral("%1 (%2) bizonylat").arg(bizSzam, day); };
        if (const Refusal refusal = file.add(row,
                {{"", id.egys}, {"Tabloszam", period.tabloSzam}, {"", u"N"}, {"BizSzam", bizSzam}, {"", day},
                    {"BizSzam", bizSzam}, {"", day}, {"", u""}, {"", u""}, {"", u"A"}, {"Mozgnem", query->text(2)},
                    {"", u""}, {"", u""}, {"PartAzon", query->text(3)}, {"", u""}, {"", u""}, {"", u""}, {"", u""},
                    {"", u""}, {"", u"1"}, {"", u""}, {"", netto}, {"", brutto}, {"", u""}, {"", netto},
                    {"", brutto}, {"", u""}, {"", netto}, {"", u"Bizonylat"}})) {
            query->finish();
            return refusal;
        }
    }
    if (!query->error().isEmpty())
        return WriteFailure::readFailed(query->error());
    return Refusal();
}

// Writes every file as "<name>.part", then renames them all into place; on any failure removes
// what it wrote. The files are complete on disk (QSaveFile flushes and syncs) before any rename.
Refusal writeAll(const QStringList &paths, const QList<QByteArray> &contents, bool overwrite)
{
    const auto removeAll = [&paths](bool renamedToo) {
        for (const QString &path : paths) {
            QFile::remove(path + QStringLiteral(".part"));
            if (renamedToo)
                QFile::remove(path);
        }
    };
    for (int i = 0; i < paths.size(); ++i) {
        QSaveFile file(paths.at(i) + QStringLiteral(".part"));
        if (!file.open(QIODevice::WriteOnly) || file.write(contents.at(i)) != contents.at(i).size() || !file.commit()) {
            const QString reason = file.errorString();
            removeAll(false);
            return Refusal::error(QStringLiteral("A(z) %1 fájl nem írható: %2\rEgy fájl sem készült el.")
                                      .arg(QDir::toNativeSeparators(paths.at(i)), reason));
        }
    }
    for (int i = 0; i < paths.size(); ++i) {
        if (overwrite)
            QFile::remove(paths.at(i));
        if (!QFile::rename(paths.at(i) + QStringLiteral(".part"), paths.at(i))) {
            removeAll(true);
            return Refusal::error(QStringLiteral("A(z) %1 fájl nem hozható létre.\rEgy fájl sem készült el.")
                                      .arg(QDir::toNativeSeparators(paths.at(i))));
        }
    }
    return Refusal();
}

} // namespace

Checked<QList<Period>> periods(QSqlDatabase warehouse)
{
    return readRows<Period>(warehouse,
        QStringLiteral("SELECT \"Tabloszam\", \"NyitoDatum\", \"ZaroDatum\" FROM \"Tablo\" ORDER BY \"Tabloszam\""), {},
        [](const QSqlQuery &q) {
            return Period {q.value(0).toString(), Sql::toDate(q.value(1)), Sql::toDate(q.value(2))};
        });
}

Refusal checkIdentity(const Identity &identity)
{
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z0-9]+$"));
    const auto exact = [](const QString &value, int length) {
        return value.size() == length && letters.match(value).hasMatch();
    };
    if (!exact(identity.cegAzon, 1))
        return Refusal::error(QStringLiteral("A cégazonosító egy betű vagy számjegy lehet!"), QStringLiteral("edtCegAzon"));
    if (!exact(identity.bRendAz, 1)) {
        return Refusal::error(
            QStringLiteral("A bolti rendszerazonosító egy betű vagy számjegy lehet!"), QStringLiteral("edtBRenAz"));
    }
    if (!exact(identity.egys, 4))
        return Refusal::error(QStringLiteral("Az egységszám négy betű vagy számjegy lehet!"), QStringLiteral("edtEgys"));
    static const QRegularExpression taxNumber(QStringLiteral("^[0-9]{0,11}$"));
    if (!taxNumber.match(identity.adosz).hasMatch())
        return Refusal::error(QStringLiteral("Az adószám legfeljebb 11 számjegy lehet!"), QStringLiteral("edtAdosz"));
    static const QRegularExpression batch(QStringLiteral("^[0-9]{3}$"));
    if (!batch.match(identity.koteg).hasMatch() || identity.koteg == QLatin1String("000"))
        return Refusal::error(QStringLiteral("A kötegszám 001 és 999 közötti háromjegyű szám lehet!"), QStringLiteral("edtKoteg"));
    return Refusal();
}

QStringList fileNames(const Identity &identity)
{
    QStringList names;
    for (const QString &code : FileCodes)
        names << identity.cegAzon + identity.bRendAz + identity.egys + code + QLatin1Char('.') + identity.koteg;
    return names;
}

QStringList existingFiles(const QString &folder, const Identity &identity)
{
    QStringList existing;
    for (const QString &name : fileNames(identity)) {
        if (QFile::exists(QDir(folder).filePath(name)))
            existing << name;
    }
    return existing;
}

QString nextBatch(const QString &koteg)
{
    const int next = koteg.toInt() % 999 + 1;
    return QStringLiteral("%1").arg(next, 3, 10, QLatin1Char('0'));
}

QString amountText(const Money &amount)
{
    QString text = amount.rounded(2).toString();
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

Checked<Result> run(QSqlDatabase warehouse, const Request &request, const std::function<void(const QString &)> &status)
{
    using Outcome = Checked<Result>;
    const auto say = [&status](const QString &line) {
        if (status)
            status(line);
    };
    if (!request.period)
        return Outcome::refused(Refusal::error(QStringLiteral("Nincs kiválasztott tabló!"), QStringLiteral("dblTablo")));
    if (const Refusal refusal = checkIdentity(request.identity))
        return Outcome::refused(refusal);
    const Identity &id = request.identity;
    const Period &period = *request.period;
    if (!request.overwrite && !existingFiles(request.folder, id).isEmpty()) {
        return Outcome::refused(Refusal::error(QStringLiteral("A(z) %1 köteg fájljai már léteznek a mappában: %2")
                                                   .arg(id.koteg, existingFiles(request.folder, id).join(QStringLiteral(", ")))));
    }

    QList<FileText> files;
    for (const QString &code : FileCodes)
        files << FileText(code, id, request.today);
    if (const Refusal refusal = movementTypes(warehouse, files[0]))
        return Outcome::refused(refusal);
    if (const Refusal refusal = partners(warehouse, id, files[1]))
        return Outcome::refused(refusal);
    Money receiptsNet;
    Money othersNet;
    if (const Refusal refusal = voucherLines(warehouse, id, period, files[4], receiptsNet, othersNet))
        return Outcome::refused(refusal);
    if (const Refusal refusal = files[5].add([] { return QStringLiteral("tabló"); },
            {{"", u"N"}, {"", id.egys}, {"", dayText(period.nyitoDatum)}, {"", dayText(period.zaroDatum)},
                {"Tabloszam", period.tabloSzam}, {"", amountText(receiptsNet)}, {"", amountText(othersNet)},
                {"", u"0"}, {"", u"0"}}))
        return Outcome::refused(refusal);

    QStringList paths;
    QList<QByteArray> contents;
    for (int i = 0; i < files.size(); ++i) {
        paths << QDir(request.folder).filePath(fileNames(id).at(i));
        contents << files.at(i).bytes();
    }
    if (const Refusal refusal = writeAll(paths, contents, request.overwrite))
        return Outcome::refused(refusal);

    static const QList<std::pair<QString, QString>> steps = {
        {"** Mozgások törzs exportálása **", "Mozgások törzs exportálása kész."},
        {"** Partner törzs exportálása **", "Partner törzs exportálás kész."},
        {"** Vevőszámla fej exportálása **", "Vevőszámla fej exportálás kész."},
        {"** Vevőszámla tétel exportálása **", "Vevőszámla tétel exportálás kész."},
        {"** Tabló tétel exportálása **", "Tabló tétel exportálás kész."},
        {"** Tabló fej exportálása **", "Tabló fej exportálás kész."}};
    for (int i = 0; i < steps.size(); ++i) {
        say(steps.at(i).first);
        if (i == 4) {
            say(QStringLiteral("Adatok összegyűjtése..."));
            say(QStringLiteral("Összesítések számítása..."));
        }
        say(QStringLiteral("Fájlnév: ") + QDir::toNativeSeparators(paths.at(i)));
        say(steps.at(i).second);
    }
    say(QStringLiteral("-= Minden fájl exportálva! =-"));
    return Outcome::accepted(Result {paths, nextBatch(id.koteg)});
}

} // namespace UviExport
