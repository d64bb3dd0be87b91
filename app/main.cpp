#include "store/CreateDatabaseCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Windowless: create a new database and end.
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--create-database")) {
            QCoreApplication app(argc, argv);
            QTextStream in(stdin);
            QTextStream out(stdout);
            QTextStream err(stderr);
            const QString dir = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
            return runCreateDatabaseCommand(dir, in, out, err);
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Salvia"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Salvia"));
    window.showMaximized();
    return app.exec();
}
