#include "platform/history_file.h"

#include "platform/message_json.h"
#include "platform/port_paths.h"
#include "platform/state_folder.h"
#include "templates/utf_text.h"
#include "transfer/job_end.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUuid>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tarvo::platform {

namespace {

const QString kHistoryFileName = QStringLiteral("history.jsonl");
// Far beyond years of transfers; a larger file is not read into memory.
constexpr qint64 kMaxHistoryBytes = qint64(256) * 1024 * 1024;
constexpr int kFontSlots = 4;
constexpr int kByteMax = 255;

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QJsonValue& value)
{
    return value.toString().toStdString();
}

QString twoPart(int major, int minor)
{
    return QStringLiteral("%1.%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
}

// A byte of the identity from its field; false when missing or out of range.
bool byteOf(const QJsonObject& o, const char* key, std::uint8_t& out, int offset = 0)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        return false;
    const int n = v.toInt(-1) + offset;
    if (n < 0 || n > kByteMax)
        return false;
    out = static_cast<std::uint8_t>(n);
    return true;
}

std::optional<serial::KeyboardId> keyboardOf(const QJsonObject& o)
{
    serial::KeyboardId id;
    id.bytes[0] = 'K';
    id.bytes[1] = 'B';
    const QJsonArray fonts = o.value(QLatin1String("fonts")).toArray();
    if (fonts.size() != kFontSlots)
        return std::nullopt;
    for (int i = 0; i < kFontSlots; ++i) {
        const int font = fonts.at(i).toInt(-1) - 1; // stored as font number - 1
        if (font < 0 || font > kByteMax)
            return std::nullopt;
        id.bytes[static_cast<std::size_t>(2 + i)] = static_cast<std::uint8_t>(font);
    }
    if (!byteOf(o, "generation", id.bytes[6]) || !byteOf(o, "keyboard_type", id.bytes[7]) ||
        !byteOf(o, "bootloader_major", id.bytes[8]) || !byteOf(o, "bootloader_minor", id.bytes[9]) ||
        !byteOf(o, "firmware_major", id.bytes[10]) || !byteOf(o, "firmware_minor", id.bytes[11]) ||
        !byteOf(o, "iconic_font", id.bytes[14]) || !byteOf(o, "data_schema", id.bytes[15]))
        return std::nullopt;
    return id;
}

void putIfAny(QJsonObject& o, const char* key, const std::string& value)
{
    if (!value.empty())
        o[QLatin1String(key)] = fromUtf8(value);
}

} // namespace

QJsonObject keyboardJson(const serial::KeyboardId& id)
{
    QJsonArray fonts;
    for (int slot = 0; slot < kFontSlots; ++slot)
        fonts.append(id.fontInSlot(slot));
    QJsonObject o;
    o["fonts"] = fonts;
    o["generation"] = id.generation();
    o["slot_count"] = id.slotCount();
    o["keyboard_type"] = id.keyboardType();
    o["bootloader_major"] = id.bootloaderMajor();
    o["bootloader_minor"] = id.bootloaderMinor();
    o["bootloader"] = twoPart(id.bootloaderMajor(), id.bootloaderMinor());
    o["firmware_major"] = id.firmwareMajor();
    o["firmware_minor"] = id.firmwareMinor();
    o["firmware"] = twoPart(id.firmwareMajor(), id.firmwareMinor());
    o["iconic_font"] = id.iconicFont();
    o["data_schema"] = id.dataSchema();
    return o;
}

QByteArray historyLine(const history::HistoryRecord& r)
{
    QJsonObject o;
    o["record"] = fromUtf8(std::string(history::recordKindName(r.kind)));
    o["transfer"] = fromUtf8(r.transfer);
    o["time"] = fromUtf8(r.time);
    switch (r.kind) {
    case history::RecordKind::Start:
        o["program"] = fromUtf8(r.program);
        o["command"] = fromUtf8(r.command);
        o["port"] = fromUtf8(r.port);
        o["device"] = fromUtf8(r.device);
        o["keyboard"] = r.keyboard ? QJsonValue(keyboardJson(*r.keyboard)) : QJsonValue(QJsonValue::Null);
        putIfAny(o, "document", r.document);
        putIfAny(o, "document_sha256", r.documentSha256);
        break;
    case history::RecordKind::SlotStart:
        o["slot"] = r.slot;
        o["language"] = r.language;
        o["table"] = fromUtf8(r.table);
        break;
    case history::RecordKind::SlotEnd:
        o["slot"] = r.slot;
        o["outcome"] = fromUtf8(r.outcome);
        putIfAny(o, "sha256", r.sha256);
        putIfAny(o, "backup", r.backup);
        break;
    case history::RecordKind::End:
        o["status"] = r.status;
        o["message"] = fromUtf8(r.message);
        if (!r.said.empty())
            o["said"] = messageJson(r.said);
        break;
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<history::HistoryRecord> historyRecordOf(const QByteArray& line)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    const auto kind = history::recordKindFromName(utf8(o.value("record")));
    if (!kind || !o.value("transfer").isString() || !o.value("time").isString())
        return std::nullopt;
    history::HistoryRecord r;
    r.kind = *kind;
    r.transfer = utf8(o.value("transfer"));
    r.time = utf8(o.value("time"));
    r.program = utf8(o.value("program"));
    r.command = utf8(o.value("command"));
    r.port = utf8(o.value("port"));
    r.device = utf8(o.value("device"));
    if (o.value("keyboard").isObject())
        r.keyboard = keyboardOf(o.value("keyboard").toObject());
    r.document = utf8(o.value("document"));
    r.documentSha256 = utf8(o.value("document_sha256"));
    r.slot = o.value("slot").toInt();
    r.language = o.value("language").toInt();
    r.table = utf8(o.value("table"));
    r.outcome = utf8(o.value("outcome"));
    r.sha256 = utf8(o.value("sha256"));
    r.backup = utf8(o.value("backup"));
    r.status = o.value("status").toInt();
    r.message = utf8(o.value("message"));
    // What cannot be read back as a message is shown as the English line.
    if (auto said = messageOfJson(o.value("said")))
        r.said = std::move(*said);
    return r;
}

HistoryFile::HistoryFile(QString path)
    : m_path(path.isEmpty() ? stateFolder() + QLatin1Char('/') + kHistoryFileName : std::move(path))
{
}

bool HistoryFile::append(const history::HistoryRecord& record, std::string& reason)
{
    QString folderReason;
    if (m_path.startsWith(stateFolder() + QLatin1Char('/')) && !ensureStateFolder(&folderReason)) {
        reason = folderReason.toStdString();
        return false;
    }
    const QByteArray line = historyLine(record) + '\n';
    const QByteArray name = QFile::encodeName(m_path);
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        reason = m_path.toStdString() + ": " + std::strerror(errno);
        return false;
    }
    // One write: with O_APPEND the whole line lands at the end, never between another's bytes.
    const ssize_t written = ::write(fd, line.constData(), static_cast<std::size_t>(line.size()));
    const int writeError = errno;
    const bool synced = written == line.size() && ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    if (written != line.size()) {
        reason = m_path.toStdString() + ": " + (written < 0 ? std::strerror(writeError) : "short write");
        return false;
    }
    if (!synced) {
        reason = m_path.toStdString() + ": " + std::strerror(syncError);
        return false;
    }
    return true;
}

std::string HistoryFile::sha256Hex(std::span<const std::uint8_t> bytes) const
{
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex().toStdString();
}

std::string HistoryFile::timeNow() const
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
}

bool HistoryFile::read(history::HistoryLog& log, std::string& reason) const
{
    log = {};
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (file.size() > kMaxHistoryBytes) {
        reason = (m_path + QStringLiteral(": ") +
                  stateText(QT_TRANSLATE_NOOP("StateFiles", "larger than %1 bytes")).arg(kMaxHistoryBytes))
                     .toStdString();
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        reason = m_path.toStdString() + ": " + file.errorString().toStdString();
        return false;
    }
    const QByteArray all = file.readAll();
    for (const QByteArray& line : all.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        if (auto record = historyRecordOf(line))
            log.records.push_back(std::move(*record));
        else
            ++log.damagedLines;
    }
    return true;
}

std::string newTransferId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

std::string fileSha256(const std::string& path)
{
    QFile file(fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result().toHex().toStdString();
}

} // namespace tarvo::platform

namespace tarvo::platform {

history::TransferStart transferStart(const std::string& program, const std::string& command,
                                     const std::string& port, const std::string& documentPath)
{
    history::TransferStart start;
    start.transfer = newTransferId();
    start.program = program;
    start.command = command;
    start.port = port;
    start.device = canonicalDevice(port);
    if (!documentPath.empty()) {
        start.document = QFileInfo(fromUtf8(documentPath)).absoluteFilePath().toStdString();
        start.documentSha256 = fileSha256(documentPath);
    }
    return start;
}

} // namespace tarvo::platform

namespace tarvo::platform {

std::string recordQuery(const std::string& program, const std::string& port,
                        const transfer::TransferSession& session)
{
    HistoryFile file;
    history::HistoryRecorder recorder(&file, transferStart(program, "query", port, {}));
    const bool answered = session.endCode() == transfer::kEndComplete;
    recorder.begin(answered ? &session.keyboardId() : nullptr);
    recorder.end(history::exitClassOf(transfer::statusOf(session)),
                 answered ? messages::Message() : transfer::failureReason(session));
    return templates::oneLineUtf8(recorder.takeWarning());
}

} // namespace tarvo::platform
