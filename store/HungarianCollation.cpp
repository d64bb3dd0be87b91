#include "store/HungarianCollation.h"

#include "core/HungarianOrder.h"
#include "store/SqliteHandle.h"

#include <sqlite3.h>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/utf8.h>

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

// lower() over the whole of Unicode: SQLite's own knows only A to Z. Lowering a letter never
// lengthens its UTF-8 form by more than one byte, so twice the input always suffices.
void lower(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = sqlite3_value_text(arguments[0]);
    const int32_t length = sqlite3_value_bytes(arguments[0]);
    QByteArray lowered(2 * length + 4, Qt::Uninitialized);
    auto *out = reinterpret_cast<uint8_t *>(lowered.data());
    int32_t written = 0;
    for (int32_t read = 0; read < length;) {
        UChar32 c;
        U8_NEXT(text, read, length, c);
        if (c < 0)
            c = 0xFFFD;
        UBool error = false;
        U8_APPEND(out, written, lowered.size(), u_tolower(c), error);
        if (error)
            break;
    }
    sqlite3_result_text(context, lowered.constData(), written, SQLITE_TRANSIENT);
}

} // namespace

namespace HungarianCollation {

QString sqlName()
{
    return QStringLiteral("\"hu-HU-x-icu\"");
}

bool install(QSqlDatabase db)
{
    sqlite3 *connection = sqliteHandle(db);
    if (!connection)
        return db.driverName() != QLatin1String("QSQLITE");
    UCollator *collator = HungarianOrder::openCollator();
    if (!collator)
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
