#include "maintenance/ArchiveZip.h"

#include "maintenance/ArchiveLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <sys/stat.h>
#include <zip.h>

namespace ArchiveZip {

namespace {

// An open archive, closed (or discarded) by the destructor.
class Zip
{
public:
    Zip(const QString &path, int flags, QString *error)
    {
        int code = 0;
        m_zip = zip_open(QFile::encodeName(path).constData(), flags, &code);
        if (!m_zip) {
            zip_error_t failure;
            zip_error_init_with_code(&failure, code);
            *error = QString::fromUtf8(zip_error_strerror(&failure));
            zip_error_fini(&failure);
        }
    }
    ~Zip()
    {
        if (m_zip)
            zip_discard(m_zip);
    }
    zip_t *get() const { return m_zip; }
    // Writes the archive; false with libzip's reason.
    bool close(QString *error)
    {
        if (zip_close(m_zip) == 0) {
            m_zip = nullptr;
            return true;
        }
        *error = QString::fromUtf8(zip_strerror(m_zip));
        return false;
    }

private:
    zip_t *m_zip = nullptr;
};

QString zipError(zip_t *zip)
{
    return QString::fromUtf8(zip_strerror(zip));
}

// The caller's progress as libzip reports it; a refusal is answered at libzip's next cancel question.
struct ProgressState
{
    const Progress &progress;
    bool cancelled = false;
};

void progressCallback(zip_t *, double done, void *data)
{
    auto *state = static_cast<ProgressState *>(data);
    if (!state->progress(done))
        state->cancelled = true;
}

int cancelCallback(zip_t *, void *data)
{
    return static_cast<ProgressState *>(data)->cancelled ? 1 : 0;
}

// Reads entry `index` to its end, handing each piece to `sink`; libzip compares the CRC at the end.
bool readEntry(zip_t *zip, zip_uint64_t index, qint64 size, const std::function<bool(const char *, qint64)> &sink,
    QString *error)
{
    zip_file_t *file = zip_fopen_index(zip, index, 0);
    if (!file) {
        *error = zipError(zip);
        return false;
    }
    char buffer[1 << 16];
    qint64 total = 0;
    zip_int64_t got = 0;
    bool ok = true;
    while ((got = zip_fread(file, buffer, sizeof buffer)) > 0) {
        total += got;
        if (total > size) {
            *error = QStringLiteral("a tétel hosszabb a megadottnál");
            ok = false;
            break;
        }
        if (!sink(buffer, got)) {
            *error = QStringLiteral("a tétel nem írható ki");
            ok = false;
            break;
        }
    }
    if (ok && got < 0) {
        *error = QString::fromUtf8(zip_error_strerror(zip_file_get_error(file)));
        ok = false;
    }
    if (ok && total != size) {
        *error = QStringLiteral("a tétel rövidebb a megadottnál");
        ok = false;
    }
    zip_fclose(file);
    return ok;
}

} // namespace

bool pack(const QString &folder, const QStringList &entries, const QString &archive, const Progress &progress,
    QString *error)
{
    QString failure;
    {
        Zip zip(archive, ZIP_CREATE | ZIP_EXCL, &failure);
        if (!zip.get()) {
            *error = failure;
            return false;
        }
        const QDir dir(folder);
        for (const QString &entry : entries) {
            zip_source_t *source = zip_source_file(zip.get(), QFile::encodeName(dir.filePath(entry)).constData(), 0, -1);
            if (!source) {
                *error = entry + QStringLiteral(": ") + zipError(zip.get());
                return false;
            }
            const zip_int64_t index = zip_file_add(zip.get(), entry.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
            if (index < 0) {
                zip_source_free(source);
                *error = entry + QStringLiteral(": ") + zipError(zip.get());
                return false;
            }
            zip_set_file_compression(zip.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, 9);
            // Owner-only permissions travel with the entry.
            zip_file_set_external_attributes(zip.get(), zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                zip_uint32_t(S_IFREG | 0600) << 16);
        }
        ProgressState state {progress};
        if (progress) {
            zip_register_progress_callback_with_state(zip.get(), 0.01, progressCallback, nullptr, &state);
            zip_register_cancel_callback_with_state(zip.get(), cancelCallback, nullptr, &state);
        }
        if (zip.close(&failure))
            return true;
    }
    QFile::remove(archive);
    *error = failure;
    return false;
}

bool test(const QString &archive, QStringList *names, QString *error)
{
    Zip zip(archive, ZIP_RDONLY | ZIP_CHECKCONS, error);
    if (!zip.get())
        return false;
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count <= 0) {
        *error = QStringLiteral("a mentés üres");
        return false;
    }
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        if (zip_stat_index(zip.get(), zip_uint64_t(index), 0, &stat) != 0) {
            *error = zipError(zip.get());
            return false;
        }
        const QString name = QString::fromUtf8(stat.name);
        if (!readEntry(zip.get(), zip_uint64_t(index), qint64(stat.size), [](const char *, qint64) { return true; },
                error)) {
            *error = name + QStringLiteral(": ") + *error;
            return false;
        }
        if (names)
            *names << name;
    }
    return true;
}

bool inspect(const QString &archive, const QString &staging, const Limits &limits, QStringList *names, QString *error)
{
    if (QFileInfo(archive).isSymLink()) {
        *error = QStringLiteral("a mentés egy hivatkozás");
        return false;
    }
    Zip zip(archive, ZIP_RDONLY | ZIP_CHECKCONS, error);
    if (!zip.get())
        return false;
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count <= 0) {
        *error = QStringLiteral("a mentés üres");
        return false;
    }
    QSet<QString> seen;
    qint64 total = 0;
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        if (zip_stat_index(zip.get(), zip_uint64_t(index), ZIP_FL_ENC_RAW, &stat) != 0
            || !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE)) {
            *error = zipError(zip.get());
            return false;
        }
        const QString name = QString::fromUtf8(stat.name);
        if (!ArchiveLayout::isKnownEntry(name)) {
            *error = QStringLiteral("ismeretlen tétel a mentésben: ") + name;
            return false;
        }
        if (seen.contains(name)) {
            *error = QStringLiteral("kétszer szereplő tétel: ") + name;
            return false;
        }
        seen.insert(name);
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(zip.get(), zip_uint64_t(index), 0, &system, &attributes) == 0
            && system == ZIP_OPSYS_UNIX && (attributes >> 16) != 0 && ((attributes >> 16) & S_IFMT) != S_IFREG) {
            *error = QStringLiteral("nem közönséges fájl a mentésben: ") + name;
            return false;
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
            *error = QStringLiteral("titkosított tétel: ") + name;
            return false;
        }
        if (qint64(stat.size) < 0 || qint64(stat.size) > limits.entryBytes) {
            *error = QStringLiteral("túl nagy tétel: ") + name;
            return false;
        }
        total += qint64(stat.size);
        if (total > limits.totalBytes) {
            *error = QStringLiteral("a mentés kibontva túl nagy");
            return false;
        }
        *names << name;
    }
    const QStorageInfo disk(staging);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && total + limits.freeReserve > disk.bytesAvailable()) {
        *error = QStringLiteral("nincs elég szabad hely a kibontáshoz");
        return false;
    }
    return true;
}

bool extract(const QString &archive, const QString &staging, const Limits &limits, QStringList *names, QString *error)
{
    QStringList checked;
    if (!inspect(archive, staging, limits, &checked, error))
        return false;
    Zip zip(archive, ZIP_RDONLY | ZIP_CHECKCONS, error);
    if (!zip.get())
        return false;
    const QDir dir(staging);
    for (zip_int64_t index = 0; index < zip_int64_t(checked.size()); ++index) {
        const QString &name = checked.at(index);
        zip_stat_t stat;
        if (zip_stat_index(zip.get(), zip_uint64_t(index), ZIP_FL_ENC_RAW, &stat) != 0
            || QString::fromUtf8(stat.name) != name) {
            *error = QStringLiteral("a mentés megváltozott olvasás közben");
            return false;
        }
        // Only the layout's own folder names reach here (Raktar_<n>), never a path of the archive's choosing.
        const QString sub = QFileInfo(name).path();
        if (sub != QLatin1String(".") && !dir.mkpath(sub)) {
            *error = QStringLiteral("a mappa nem hozható létre: ") + sub;
            return false;
        }
        QFile out(dir.filePath(name));
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            *error = name + QStringLiteral(": ") + out.errorString();
            return false;
        }
        out.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        if (!readEntry(zip.get(), zip_uint64_t(index), qint64(stat.size),
                [&out](const char *data, qint64 size) { return out.write(data, size) == size; }, error)) {
            *error = name + QStringLiteral(": ") + *error;
            return false;
        }
        if (!out.flush()) {
            *error = name + QStringLiteral(": ") + out.errorString();
            return false;
        }
    }
    *names = checked;
    return true;
}

} // namespace ArchiveZip
