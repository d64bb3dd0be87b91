// Builds a warehouse with 2,000 and with 20,000 raw materials (each with allergen links) and
// prints one line per size: materials <N> open <S> sort <S> search <S>, in seconds: opening the
// raw-material browse model with its first page, changing its order to name order (keeping the
// current row, with that row's page), and a name search that finds the last row of that order
// (with the page that shows it).
// usage: bench_master_browse [--location FOLDER|postgresql://...]
#include "master/BrowseModel.h"
#include "master/Materials.h"
#include "store/Database.h"
#include "store/TransactionGuard.h"

#include "BenchLocation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>

#include <cstdio>

namespace {

const char *const Words[] = {"Alma", "Ásványvíz", "Burgonya", "Cékla", "Csirkemell", "Dió", "Eper", "Étolaj",
    "Gomba", "Gyömbér", "Hagyma", "Joghurt", "Káposzta", "Lencse", "Liszt", "Mák", "Narancs", "Olaj", "Őszibarack",
    "Paprika", "Rizs", "Sajt", "Szalonna", "Tej", "Tojás", "Uborka", "Vaj", "Zab"};

bool fill(QSqlDatabase db, int materials)
{
    TransactionGuard guard(db);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", "
                                 "\"Mertekegyseg\", \"MenySzorzo\", \"AfaCsoport\", \"NyilvAr\", \"Kerekites\", "
                                 "\"KeszletMennyiseg\", \"Energia\", \"Feherje\") VALUES (?, ?, ?, ?, 'KG', 10, '01', ?, 2, ?, ?, ?)"));
    QSqlQuery link(db);
    link.prepare(QStringLiteral("INSERT INTO \"AllergenAny\" (\"AzonAl\", \"Fokszam\", \"NyilvSzam\") VALUES (?, ?, ?)"));
    const int words = int(sizeof(Words) / sizeof(Words[0]));
    for (int i = 0; i < materials; ++i) {
        const QString ledger = QStringLiteral("%1").arg(1 + i / 10000, 3, 10, QLatin1Char('0'));
        const QString number = QStringLiteral("%1").arg(i % 10000, 4, 10, QLatin1Char('0'));
        // The last material sorts last by name: "Zsemlemorzsa" comes after every word above.
        const QString name = i == materials - 1 ? QStringLiteral("Zsemlemorzsa")
                                                : QStringLiteral("%1 %2").arg(QString::fromUtf8(Words[(i * 7) % words])).arg(i);
        query.addBindValue(ledger);
        query.addBindValue(number);
        query.addBindValue(name);
        query.addBindValue(QStringLiteral("%1").arg(1 + i % 12, 2, 10, QLatin1Char('0')));
        query.addBindValue(100.0 + i % 997);
        query.addBindValue(double(i % 50));
        query.addBindValue(1000.0 + i % 300);
        query.addBindValue(double(i % 20));
        if (!query.exec())
            return false;
        link.addBindValue(QStringLiteral("%1").arg(1 + i % 14, 2, 10, QLatin1Char('0')));
        link.addBindValue(ledger);
        link.addBindValue(number);
        if (!link.exec())
            return false;
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
        std::fprintf(stderr, "usage: bench_master_browse %s %s\n", qPrintable(BenchLocation::usage()),
            qPrintable(location.errorText()));
        return 2;
    }
    for (const int materials : {2000, 20000}) {
        const QString path = location.create(QDate::currentDate());
        {
            QSqlDatabase db = Database::warehouse(path, 1);
            if (path.isEmpty() || !fill(db, materials)) {
                std::fprintf(stderr, "cannot build the warehouse: %s\n", qPrintable(location.errorText()));
                return 1;
            }
            QElapsedTimer timer;
            timer.start();
            BrowseModel model(db, Materials::browse());
            if (!model.open(0).ok()) {
                std::fprintf(stderr, "the browse did not open\n");
                return 1;
            }
            const QStringList first = model.keyAt(0);
            const double open = timer.nsecsElapsed() / 1e9;

            timer.restart();
            const Checked<int> sorted = model.open(2, first);
            if (!sorted.ok()) {
                std::fprintf(stderr, "the browse did not open in the second order\n");
                return 1;
            }
            model.keyAt(sorted.value);
            const double sort = timer.nsecsElapsed() / 1e9;

            timer.restart();
            const Checked<int> found = model.search(2, QStringLiteral("zsemlem"));
            model.keyAt(found.value);
            const double search = timer.nsecsElapsed() / 1e9;
            if (!found.ok() || found.value != materials - 1) {
                std::fprintf(stderr, "the search did not find the last row\n");
                return 1;
            }
            std::printf("materials %d open %.4f sort %.4f search %.4f\n", materials, open, sort, search);
        }
        location.remove(path);
    }
    return 0;
}
