// A second copy of the program, as far as the user administration goes: creates a user on a
// signal from its standard input and prints how it went. Tests start two of them at once.
// usage: salvia_create_user LOCATION NAME PASSWORD LEVEL
#include "users/UserAdmin.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    QTextStream out(stdout);
    UserAdmin admin(args.at(1), QStringLiteral("admin"), 5);
    // Connected and ready; the password is hashed before the signal, so both write at once.
    admin.levelLabel(args.at(2));
    out << "ready" << Qt::endl;
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    in.readLine();
    const Refusal refusal = admin.createUser(args.at(2), args.at(3), args.at(3), args.at(4).toInt());
    if (refusal.isNull())
        out << "created" << Qt::endl;
    else
        out << "refused: " << refusal.text << Qt::endl;
    return 0;
}
