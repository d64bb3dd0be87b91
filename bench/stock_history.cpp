// The stock history driver: stock_history DBDIR WAREHOUSE OPERATIONS SEED [--kiadar] performs random
// receipts, issues, changes and deletions through the stock engine on an existing database and
// prints "operations N done D refused R seconds S". Several copies may run on one warehouse.
#include "support/StockHistory.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return StockHistory::main(app.arguments().mid(1));
}
