#include "store/HungarianCollation.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>
#include <unicode/ucol.h>

namespace {

int compare(void *collator, int leftLength, const void *left, int rightLength, const void *right)
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = ucol_strcollUTF8(static_cast<UCollator *>(collator),
        static_cast<const char *>(left), leftLength, static_cast<const char *>(right), rightLength, &status);
    if (U_FAILURE(status))
        return 0;
    return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}

void closeCollator(void *collator)
{
    ucol_close(static_cast<UCollator *>(collator));
}

// lower() over the whole of Unicode: SQLite's own knows only A to Z.
void lower(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    const QByteArray lowered = QString::fromUtf8(text, sqlite3_value_bytes(arguments[0])).toLower().toUtf8();
    sqlite3_result_text(context, lowered.constData(), int(lowered.size()), SQLITE_TRANSIENT);
}

} // namespace

namespace HungarianCollation {

QString sqlName()
{
    return QStringLiteral("\"hu-HU-x-icu\"");
}

bool install(QSqlDatabase db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return db.driverName() != QLatin1String("QSQLITE");
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
    if (!connection)
        return false;
    UErrorCode status = U_ZERO_ERROR;
    UCollator *collator = ucol_open("hu_HU", &status);
    if (U_FAILURE(status))
        return false;
    const bool collation = sqlite3_create_collation_v2(connection, "hu-HU-x-icu", SQLITE_UTF8, collator, compare,
                               closeCollator)
        == SQLITE_OK;
    const bool function = sqlite3_create_function_v2(connection, "lower", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                              nullptr, lower, nullptr, nullptr, nullptr)
        == SQLITE_OK;
    return collation && function;
}

QString orderTerm(const QString &expression)
{
    return expression + QStringLiteral(" COLLATE ") + sqlName();
}

} // namespace HungarianCollation
