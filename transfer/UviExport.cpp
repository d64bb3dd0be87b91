#include "transfer/UviExport.h"

#include "core/TextCodec.h"
#include "store/RowReader.h"
#include "store/Sql.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace UviExport {

namespace {

const QStringList FileCodes = {QStringLiteral("MG"), QStringLiteral("PA"), QStringLiteral("HF"), QStringLiteral("HT"),
    QStringLiteral("TT"), QStringLiteral("TF")};

QString dayText(const QDate &day)
{
    return day.toString(QStringLiteral("yyyyMMdd"));
}

// One file's lines while they are built; every text field is checked as it is added.
class FileText
{
public:
    FileText(QString code, const Identity &identity, const QDate &today)
        : m_code(std::move(code))
    {
        m_lines << QStringList {QStringLiteral("WIN"), identity.cegAzon, identity.adosz, identity.bRendAz,
            dayText(today), QStringLiteral("3.00")};
    }

    // A data line; `row` names it in a refusal, `names` its fields (empty for constant fields).
    Refusal add(const QString &row, const QList<std::pair<QString, QString>> &fields)
    {
        QStringList line;
        for (const auto &[name, value] : fields) {
            // Constant and numeric fields (no name) are the export's own text.
            if (const Refusal refusal = name.isEmpty() ? Refusal() : check(row, name, value))
                return refusal;
            line << value;
        }
        m_lines << line;
        ++m_dataLines;
        return Refusal();
    }

    QByteArray bytes() const
    {
        QString text;
        for (const QStringList &line : m_lines)
            text += line.join(QLatin1Char('|')) + QStringLiteral("|\r\n");
        text += QString::number(m_dataLines) + QStringLiteral("|\r\n");
        return TextCodec::toWindows1250(text);
    }

private:
    Refusal check(const QString &row, const QString &field, const QString &value) const
    {
        bool plain = true;
        for (const QChar c : value)
            plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x7F && c != QLatin1Char('|');
        if (plain)
            return Refusal();
        QString fault;
        if (value.contains(QLatin1Char('|')))
            fault = QStringLiteral("„|” jelet tartalmaz");
        else if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
            fault = QStringLiteral("sortörést tartalmaz");
        else if (const QString outside = TextCodec::outsideWindows1250(value); !outside.isEmpty())
            fault = QStringLiteral("Windows-1250 kódlapon nem írható karaktert tartalmaz (%1)").arg(outside);
        if (fault.isEmpty())
            return Refusal();
        return Refusal::error(QStringLiteral("Az exportálás nem lehetséges: a(z) %1 fájl %2 sorának %3 mezője %4.\r"
                                             "Javítsa az adatot, és exportáljon újra! Egy fájl sem készült el.")
                                  .arg(m_code, row, field, fault));
    }

    QString m_code;
    QList<QStringList> m_lines;
    int m_dataLines = 0;
};

struct Voucher
{
    QString bizSzam;
    QDate datum;
    QString mozgnem;
    QString partAzon;
    QString bk;
    Money netto;
    Money afa;
    Money brutto;
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
        const QString row = QStringLiteral("„%1” mozgásnem").arg(t.kod);
        if (const Refusal refusal = file.add(row,
                {{"MozgnemKod", t.kod}, {"Megnevezes", t.megnevezes}, {"", ""}, {"", ""}, {"", "A"},
                    {"", t.irany == QLatin1String("BE") ? "N" : "C"}, {"", "E"}, {"", "1"}}))
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
        const QString row = QStringLiteral("„%1” partner").arg(p.azon);
        if (const Refusal refusal = file.add(row,
                {{"", identity.egys}, {"PartAzon", p.azon}, {"Nev", p.nev}, {"Irszam", p.irszam}, {"", "Magyarország"},
                    {"Telepules", p.telepules}, {"Utca", p.utca},
                    {"Szamlaszam", QString(p.szamlaszam).remove(separators)},
                    {"Adoszam", QString(p.adoszam).remove(separators)}, {"", ""}, {"", ""}, {"", ""},
                    {"", "Beszállító"}, {"", "Partner"}, {"", "N"}, {"", "N"}, {"", "I"}, {"", "N"}, {"", ""},
                    {"", ""}, {"", ""}, {"", "Átlagáras"}, {"", ""}}))
            return refusal;
    }
    return Refusal();
}

Checked<QList<Voucher>> vouchers(QSqlDatabase db, const Period &period)
{
    return readRows<Voucher>(db,
        QStringLiteral("SELECT \"BizSzam\", \"Datum\", \"Mozgnem\", \"PartAzon\", \"BK\", SUM(\"TetelErtek\"), "
                       "SUM(\"AfaErtek\"), SUM(\"Brutto\") FROM \"Raktar\" "
                       "WHERE \"Datum\" >= ? AND \"Datum\" <= ? AND \"BizSzam\" <> '00000000' "
                       "GROUP BY \"BizSzam\", \"Datum\", \"Mozgnem\", \"PartAzon\", \"BK\" "
                       "ORDER BY \"Datum\", \"BizSzam\", \"BK\", \"Mozgnem\", \"PartAzon\""),
        {Sql::date(period.nyitoDatum), Sql::date(period.zaroDatum)}, [](const QSqlQuery &q) {
            return Voucher {q.value(0).toString(), Sql::toDate(q.value(1)), q.value(2).toString(), q.value(3).toString(),
                q.value(4).toString(), Sql::toMoney(q.value(5)), Sql::toMoney(q.value(6)), Sql::toMoney(q.value(7))};
        });
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
    const auto rows = vouchers(warehouse, period);
    if (!rows.ok())
        return Outcome::refused(rows.refusal);
    Money receiptsNet;
    Money othersNet;
    for (const Voucher &v : rows.value) {
        (v.bk == QLatin1String("BE") ? receiptsNet : othersNet) += v.netto;
        const QString netto = amountText(v.netto);
        const QString brutto = amountText(v.brutto);
        const QString row = QStringLiteral("%1 (%2) bizonylat").arg(v.bizSzam, dayText(v.datum));
        if (const Refusal refusal = files[4].add(row,
                {{"", id.egys}, {"Tabloszam", period.tabloSzam}, {"", "N"}, {"BizSzam", v.bizSzam},
                    {"", dayText(v.datum)}, {"BizSzam", v.bizSzam}, {"", dayText(v.datum)}, {"", ""}, {"", ""},
                    {"", "A"}, {"Mozgnem", v.mozgnem}, {"", ""}, {"", ""}, {"PartAzon", v.partAzon}, {"", ""},
                    {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", "1"}, {"", ""}, {"", netto}, {"", brutto}, {"", ""},
                    {"", netto}, {"", brutto}, {"", ""}, {"", netto}, {"", "Bizonylat"}}))
            return Outcome::refused(refusal);
    }
    if (const Refusal refusal = files[5].add(QStringLiteral("tabló"),
            {{"", "N"}, {"", id.egys}, {"", dayText(period.nyitoDatum)}, {"", dayText(period.zaroDatum)},
                {"Tabloszam", period.tabloSzam}, {"", amountText(receiptsNet)}, {"", amountText(othersNet)},
                {"", "0"}, {"", "0"}}))
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
