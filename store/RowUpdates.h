#pragma once

#include "core/Money.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <variant>

// Writes new values into rows of one table picked by their integer key. Each row sets some of the
// columns and keeps the others. On PostgreSQL every few thousand rows go as one statement (an
// UPDATE joined to the values passed as arrays), so a long run of rows costs a round trip or two;
// on SQLite each row is one prepared UPDATE of the columns it sets, run on the connection's handle.
// Runs inside the caller's transaction; nothing is written before write().
class RowUpdates
{
public:
    enum class Type { Real, Money };
    struct Column
    {
        QString name;
        Type type;
    };

    RowUpdates(QSqlDatabase db, const QString &table, const QString &key, const QList<Column> &columns);

    // Starts the next row; its columns are kept until set.
    void row(qint64 key);
    void setReal(int column, double value);
    void setMoney(int column, const Money &value);

    int size() const { return int(m_keys.size()); }

    // Writes the rows added so far and forgets them. Empty on success, otherwise the failure as
    // EngineError::cause gives it.
    QString write();

private:
    using Cell = std::variant<std::monostate, double, Money>;

    QString writeOnServer();
    QString writeEach();
    QString serverSql() const;

    QSqlDatabase m_db;
    QString m_table;
    QString m_key;
    QList<Column> m_columns;
    QList<qint64> m_keys;
    // Row by row, a cell per column.
    QList<Cell> m_cells;
};
