#pragma once
// The transfer history as JSON Lines in the state folder (history.jsonl):
// each record one line, appended with a single write on a file opened for
// appending and synced, so that transfers running side by side never mix
// inside a line. Reading skips lines that are no whole record (a power cut
// mid-line) and counts them.

#include "history/history_recorder.h"
#include "history/transfer_history.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <string>

namespace tarvo::platform {

class HistoryFile final : public history::TransferHistory {
public:
    // path empty: history.jsonl in the state folder.
    explicit HistoryFile(QString path = {});

    const QString& path() const { return m_path; }

    bool append(const history::HistoryRecord& record, std::string& reason) override;
    std::string sha256Hex(std::span<const std::uint8_t> bytes) const override;
    std::string timeNow() const override;

    // Every record in the file (none when there is no file yet); false with
    // the reason when the file exists and cannot be read.
    bool read(history::HistoryLog& log, std::string& reason) const;

private:
    QString m_path;
};

// A record as its line (without the line end), and back (nullopt for a
// line that is no whole record).
QByteArray historyLine(const history::HistoryRecord& record);
std::optional<history::HistoryRecord> historyRecordOf(const QByteArray& line);

// The keyboard's identity as the tool's query prints it.
QJsonObject keyboardJson(const serial::KeyboardId& id);

// An id no other transfer has.
std::string newTransferId();
// A file's SHA-256 in hex; empty when it cannot be read.
std::string fileSha256(const std::string& path);

} // namespace tarvo::platform

namespace tarvo::platform {

// The start of one transfer: a new id, the device in canonical form, the
// document's absolute path and its SHA-256 (documentPath empty: none).
history::TransferStart transferStart(const std::string& program, const std::string& command,
                                     const std::string& port, const std::string& documentPath);

} // namespace tarvo::platform

namespace tarvo::transfer {
class TransferSession;
}

namespace tarvo::platform {

// A query's records, written once its session has ended: the start (with
// the keyboard's identity when it answered) and the end. The warning when
// they could not be stored, else empty.
std::string recordQuery(const std::string& program, const std::string& port,
                        const transfer::TransferSession& session);

} // namespace tarvo::platform
