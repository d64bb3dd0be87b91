// Recomputes the values of 2,000 recipes of 15 lines each over 500 materials in one run and prints
// one line: recipes <N> recompute <S>, the seconds of the run.
// usage: bench_recipes [--location FOLDER|postgresql://...]
#include "master/RecipeRecompute.h"
#include "store/Database.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"

#include "BenchLocation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>

namespace {

constexpr int Recipes = 2000;
constexpr int LinesPerRecipe = 15;
constexpr int Materials = 500;

QString code(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

bool fill(QSqlDatabase db)
{
    TransactionGuard guard(db);
    QSqlQuery afa(db);
    if (!afa.exec(QStringLiteral("INSERT INTO \"Afa\" (\"Afakod\", \"AfaCsoport\", \"Datum\", \"AfaErtek\") "
                                 "VALUES ('91', '91', '2000-01-01', 27)")))
        return false;
    QSqlQuery material(db);
    material.prepare(
        QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", "
                       "\"AfaCsoport\", \"NyilvAr\", \"Energia\", \"Feherje\", \"Cukor\", \"So\", \"Hcukor\", "
                       "\"Hso\") VALUES ('211', ?, ?, '91', ?, 1500, 12.5, 3.25, 0.75, ?, ?)"));
    for (int i = 0; i < Materials; ++i) {
        material.addBindValue(code(i));
        material.addBindValue(QStringLiteral("Anyag %1").arg(i));
        material.addBindValue(100.0 + i);
        material.addBindValue(Sql::flag(i % 7 == 0));
        material.addBindValue(Sql::flag(i % 11 == 0));
        if (!material.exec())
            return false;
    }
    QSqlQuery header(db);
    header.prepare(QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\") VALUES (?, ?)"));
    QSqlQuery line(db);
    line.prepare(QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") "
                                "VALUES (?, '211', ?, ?)"));
    for (int r = 0; r < Recipes; ++r) {
        header.addBindValue(code(r));
        header.addBindValue(QStringLiteral("Recept %1").arg(r));
        if (!header.exec())
            return false;
        for (int l = 0; l < LinesPerRecipe; ++l) {
            line.addBindValue(code(r));
            line.addBindValue(code((r * 7 + l * 13) % Materials));
            line.addBindValue(0.125 * (l + 1));
            if (!line.exec())
                return false;
        }
    }
    return guard.commit();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    BenchLocation location(BenchLocation::take(arguments));
    if (arguments.size() > 1 || !location.errorText().isEmpty()) {
        std::fprintf(stderr, "usage: bench_recipes %s %s\n", qPrintable(BenchLocation::usage()),
            qPrintable(location.errorText()));
        return 2;
    }
    const QString path = location.create(QDate::currentDate());
    if (path.isEmpty() || !fill(Database::warehouse(path, 1))) {
        std::fprintf(stderr, "no database: %s\n", qPrintable(location.errorText()));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    if (!RecipeRecompute::all(Database::warehouse(path, 1), QDate::currentDate())) {
        std::fprintf(stderr, "recompute failed\n");
        return 1;
    }
    std::printf("recipes %d recompute %.3f\n", Recipes, timer.nsecsElapsed() / 1e9);
    return 0;
}
