#include "platform/interrupted_write_store.h"

#include "model/lang_table.h"
#include "platform/interrupted_write_settings.h"
#include "platform/state_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

#include <fcntl.h>
#include <unistd.h>

namespace tarvo::platform {

namespace {

const QString kRecordsFolder = QStringLiteral("interrupted-writes");
const QString kRecordSuffix = QStringLiteral(".record");
constexpr const char* kMagic = "tarvo-interrupted-write 1";
// A header field never needs more; a longer one is damage.
constexpr qsizetype kLongestField = 8192;
constexpr qsizetype kLongestHeader = 16 * kLongestField;
constexpr qsizetype kLargestRecord = kLongestHeader + static_cast<qsizetype>(model::kImageBytes);
constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 13;
constexpr int kLastLanguage = 255;

QByteArray hexField(const std::string& value)
{
    return QByteArray::fromStdString(value).toHex();
}

bool syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// An id is a file name the store made: nothing that leaves the folder.
bool isPlainId(const std::string& id)
{
    return !id.empty() && id.size() < 64 && id.find_first_not_of("0123456789abcdef-") == std::string::npos;
}

} // namespace

QByteArray recordBytes(const transfer::InterruptedWrite& w)
{
    QByteArray bytes = kMagic;
    bytes += "\ndevice " + hexField(w.devicePath);
    bytes += "\ncanonical " + hexField(w.canonicalDevice);
    bytes += "\nkeyboard " + hexField(w.keyboardId);
    bytes += "\nslot " + QByteArray::number(w.slot);
    bytes += "\nlanguage " + QByteArray::number(w.languageId);
    bytes += "\nname " + hexField(w.languageName);
    bytes += "\ntime " + hexField(w.time);
    bytes += "\nbackup " + hexField(w.backupPath);
    bytes += "\nimage " + QByteArray::number(static_cast<qsizetype>(w.image.size())) + "\n";
    bytes.append(reinterpret_cast<const char*>(w.image.data()), static_cast<qsizetype>(w.image.size()));
    return bytes;
}

std::optional<transfer::InterruptedWrite> parseRecord(const QByteArray& bytes)
{
    if (bytes.size() > kLargestRecord)
        return std::nullopt;
    transfer::InterruptedWrite w;
    qsizetype at = 0;
    const auto nextLine = [&](QByteArray& line) {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0 || end - at > 2 * kLongestField + 16)
            return false;
        line = bytes.mid(at, end - at);
        at = end + 1;
        return true;
    };
    QByteArray line;
    if (!nextLine(line) || line != kMagic)
        return std::nullopt;
    const auto field = [&](const char* key, QByteArray& value) {
        const QByteArray prefix = QByteArray(key) + ' ';
        if (!nextLine(line) || !line.startsWith(prefix))
            return false;
        value = line.mid(prefix.size());
        return true;
    };
    const auto text = [&](const char* key, std::string& out) {
        QByteArray value;
        if (!field(key, value))
            return false;
        out = QByteArray::fromHex(value).toStdString();
        return true;
    };
    const auto number = [&](const char* key, int& out) {
        QByteArray value;
        bool ok = false;
        if (!field(key, value))
            return false;
        out = value.toInt(&ok);
        return ok;
    };
    int image = 0;
    if (!text("device", w.devicePath) || !text("canonical", w.canonicalDevice) ||
        !text("keyboard", w.keyboardId) || !number("slot", w.slot) || !number("language", w.languageId) ||
        !text("name", w.languageName) || !text("time", w.time) || !text("backup", w.backupPath) ||
        !number("image", image))
        return std::nullopt;
    if (w.slot < kFirstSlot || w.slot > kLastSlot || w.languageId < -1 || w.languageId > kLastLanguage)
        return std::nullopt;
    if ((image != 0 && image != static_cast<int>(model::kImageBytes)) || bytes.size() - at != image)
        return std::nullopt;
    w.time = transfer::shownTime(w.time);
    w.image.assign(bytes.begin() + at, bytes.end());
    return w;
}

InterruptedWriteStore::InterruptedWriteStore(QString folder) : m_folder(std::move(folder)) {}

QString InterruptedWriteStore::folder() const
{
    return m_folder.isEmpty() ? stateFolder() + QLatin1Char('/') + kRecordsFolder : m_folder;
}

std::vector<transfer::InterruptedWrite> InterruptedWriteStore::records() const
{
    moveOldRecords();
    std::vector<transfer::InterruptedWrite> found;
    const QDir dir(folder());
    for (const QFileInfo& info : dir.entryInfoList({QLatin1Char('*') + kRecordSuffix}, QDir::Files)) {
        if (info.size() > kLargestRecord)
            continue;
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (auto record = parseRecord(file.read(kLargestRecord + 1))) {
            record->id = info.completeBaseName().toStdString();
            found.push_back(std::move(*record));
        }
    }
    return found;
}

bool InterruptedWriteStore::remember(transfer::InterruptedWrite& write, std::string& reason)
{
    const QString where = folder();
    QString why;
    if (m_folder.isEmpty() && !ensureStateFolder(&why)) {
        reason = why.toStdString();
        return false;
    }
    if (!QDir().mkpath(where)) {
        reason = stateText(QT_TRANSLATE_NOOP("StateFiles", "the folder %1 cannot be created"))
                     .arg(where)
                     .toStdString();
        return false;
    }
    const std::string id = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    const QString path = where + QLatin1Char('/') + QString::fromStdString(id) + kRecordSuffix;
    QSaveFile file(path);
    const QByteArray bytes = recordBytes(write);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        ::fsync(file.handle()) != 0 || !file.commit()) {
        reason = stateText(QT_TRANSLATE_NOOP("StateFiles", "%1 cannot be written: %2"))
                     .arg(path, file.errorString())
                     .toStdString();
        return false;
    }
    if (!syncFolder(where)) {
        reason = stateText(QT_TRANSLATE_NOOP("StateFiles", "the folder %1 cannot be synced to disk"))
                     .arg(where)
                     .toStdString();
        return false;
    }
    write.id = id;
    return true;
}

void InterruptedWriteStore::forget(const std::string& id)
{
    if (!isPlainId(id))
        return;
    if (QFile::remove(folder() + QLatin1Char('/') + QString::fromStdString(id) + kRecordSuffix))
        syncFolder(folder());
}

// Once per store: the old group's records become files, then the group goes.
void InterruptedWriteStore::moveOldRecords() const
{
    if (m_oldRecordsMoved || !m_folder.isEmpty())
        return;
    m_oldRecordsMoved = true;
    std::vector<transfer::InterruptedWrite> old = readOldInterruptedWrites();
    if (old.empty())
        return;
    auto& self = const_cast<InterruptedWriteStore&>(*this);
    std::string reason;
    for (transfer::InterruptedWrite& write : old)
        if (!self.remember(write, reason))
            return; // kept in the settings until they can be moved
    removeOldInterruptedWrites();
}

} // namespace tarvo::platform
