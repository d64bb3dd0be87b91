// Recomputes the values of 2,000 recipes of 15 lines each over 500 materials in one run and prints
// one line: recipes <N> recompute <S>, the seconds of the run.
#include "master/RecipeRecompute.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "store/TransactionGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
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
        material.addBindValue(i % 7 == 0);
        material.addBindValue(i % 11 == 0);
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
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("db"));
    const Checked<QString> created = DatabaseCreator::create(path,
        {QStringLiteral("Mérés"), QStringLiteral("1111"), QStringLiteral("Budapest"), QStringLiteral("Fő utca 1."),
            QStringLiteral("admin"), QStringLiteral("titok123")});
    if (!created.ok() || !fill(Database::warehouse(path, 1))) {
        std::fprintf(stderr, "no database: %s\n", qPrintable(created.refusal.text));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    if (!RecipeRecompute::all(Database::warehouse(path, 1), QDate::currentDate())) {
        std::fprintf(stderr, "recompute failed\n");
        return 1;
    }
    std::printf("recipes %d recompute %.3f\n", Recipes, timer.nsecsElapsed() / 1e9);
    Database::closeAll(path);
    return 0;
}
