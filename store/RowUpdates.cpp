#include "store/RowUpdates.h"

#include "store/PreparedStatement.h"
#include "store/ServerHandle.h"
#include "store/StatementSet.h"

#include <QHash>

namespace {

// Rows per server statement: a long run goes in a few statements of bounded size.
constexpr int ServerChunk = 5000;

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

RowUpdates::RowUpdates(QSqlDatabase db, const QString &table, const QString &key, const QList<Column> &columns)
    : m_db(db)
    , m_table(table)
    , m_key(key)
    , m_columns(columns)
{
}

void RowUpdates::row(qint64 key)
{
    m_keys << key;
    m_cells.resize(m_cells.size() + m_columns.size());
}

void RowUpdates::setReal(int column, double value)
{
    m_cells[(m_keys.size() - 1) * m_columns.size() + column] = value;
}

void RowUpdates::setMoney(int column, const Money &value)
{
    m_cells[(m_keys.size() - 1) * m_columns.size() + column] = value;
}

QString RowUpdates::write()
{
    if (m_keys.isEmpty())
        return QString();
    const QString error = serverHandle(m_db) ? writeOnServer() : writeEach();
    m_keys.clear();
    m_cells.clear();
    return error;
}

QString RowUpdates::serverSql() const
{
    // A column a row keeps arrives as NULL and keeps the stored value.
    QStringList sets;
    QStringList arrays {QStringLiteral("?::bigint[]")};
    QStringList names {QStringLiteral("k")};
    for (int c = 0; c < m_columns.size(); ++c) {
        const QString value = QStringLiteral("c") + QString::number(c);
        const QString column = quoted(m_columns.at(c).name);
        sets << column + QStringLiteral(" = COALESCE(v.") + value + QStringLiteral(", r.") + column + QLatin1Char(')');
        arrays << (m_columns.at(c).type == Type::Real ? QStringLiteral("?::double precision[]")
                                                      : QStringLiteral("?::numeric[]"));
        names << value;
    }
    return QStringLiteral("UPDATE ") + quoted(m_table) + QStringLiteral(" AS r SET ") + sets.join(QStringLiteral(", "))
        + QStringLiteral(" FROM unnest(") + arrays.join(QStringLiteral(", ")) + QStringLiteral(") AS v(")
        + names.join(QStringLiteral(", ")) + QStringLiteral(") WHERE r.") + quoted(m_key) + QStringLiteral(" = v.k");
}

QString RowUpdates::writeOnServer()
{
    QString error;
    PreparedStatement *update = StatementSet::of(m_db).statement(serverSql(), &error);
    if (!update)
        return error;
    const int width = int(m_columns.size());
    for (int first = 0; first < m_keys.size(); first += ServerChunk) {
        const int last = int(qMin<qsizetype>(first + ServerChunk, m_keys.size()));
        // Array literals of the values as the server reads them: the numbers' C text, money exact.
        QList<QByteArray> arrays(width + 1, QByteArray("{"));
        for (int r = first; r < last; ++r) {
            const char *separator = r == first ? "" : ",";
            arrays[0] += separator + QByteArray::number(m_keys.at(r));
            for (int c = 0; c < width; ++c) {
                const Cell &cell = m_cells.at(r * width + c);
                QByteArray &array = arrays[c + 1];
                array += separator;
                if (const double *number = std::get_if<double>(&cell))
                    array += QByteArray::number(*number, 'g', 17);
                else if (const Money *amount = std::get_if<Money>(&cell))
                    array += amount->toLatin1();
                else
                    array += "NULL";
            }
        }
        for (int i = 0; i <= width; ++i) {
            arrays[i] += '}';
            update->bindText(i, QString::fromLatin1(arrays.at(i)));
        }
        if (!update->exec())
            return update->error();
    }
    return QString();
}

QString RowUpdates::writeEach()
{
    const int width = int(m_columns.size());
    // The UPDATE of each set of columns a row sets, by the bits of those columns.
    QHash<quint64, PreparedStatement *> updates;
    for (int r = 0; r < m_keys.size(); ++r) {
        const Cell *cells = m_cells.constData() + r * width;
        quint64 set = 0;
        for (int c = 0; c < width; ++c) {
            if (!std::holds_alternative<std::monostate>(cells[c]))
                set |= quint64(1) << c;
        }
        if (set == 0)
            continue;
        PreparedStatement *&update = updates[set];
        if (!update) {
            QStringList sets;
            for (int c = 0; c < width; ++c) {
                if (set & (quint64(1) << c))
                    sets << quoted(m_columns.at(c).name) + QStringLiteral(" = ?");
            }
            QString error;
            update = StatementSet::of(m_db).statement(QStringLiteral("UPDATE ") + quoted(m_table)
                    + QStringLiteral(" SET ") + sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ")
                    + quoted(m_key) + QStringLiteral(" = ?"),
                &error);
            if (!update)
                return error;
        }
        int index = 0;
        for (int c = 0; c < width; ++c) {
            if (const double *number = std::get_if<double>(&cells[c]))
                update->bindReal(index++, *number);
            else if (const Money *amount = std::get_if<Money>(&cells[c]))
                update->bindMoney(index++, *amount);
        }
        update->bindInteger(index, m_keys.at(r));
        if (!update->exec())
            return update->error();
    }
    return QString();
}
