#include "proceedings/JegyzokonyvFile.h"

#include "core/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace JegyzokonyvFile {

Loaded load(const QString &path)
{
    Loaded loaded;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        loaded.error = QStringLiteral("A fájl nem nyitható meg:\r") + path;
        return loaded;
    }
    if (file.size() > MaxBytes) {
        loaded.error = QStringLiteral("A fájl túl nagy, a szövegszerkesztő nem nyithatja meg:\r") + path;
        return loaded;
    }
    QString text = TextCodec::fromWindows1250(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    loaded.text = text;
    return loaded;
}

QString save(const QString &path, const QString &text)
{
    const QString outside = TextCodec::outsideWindows1250(text);
    if (!outside.isEmpty())
        return QStringLiteral("A szöveg olyan karaktert tartalmaz, amely nem menthető: ") + outside
            + QStringLiteral("\rCserélje ki, és mentse újra!");
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray bytes = TextCodec::toWindows1250(lines);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("A fájl nem írható:\r") + path;
    return QString();
}

} // namespace JegyzokonyvFile
