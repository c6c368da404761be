#pragma once
// The records of interrupted writes, one file each in the state folder
// ("<state>/tarvo-script/interrupted-writes/<id>.record"), shared by the
// tool and the editor and by several processes at once. Each is written
// whole (a temporary file synced and renamed, then the folder synced), so a
// record is either there complete or not at all. The records of the old
// settings group are moved here the first time the store is read.

#include "transfer/interrupted_writes.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tarvo::platform {

class InterruptedWriteStore final : public transfer::InterruptedWriteMemory {
public:
    // folder: where the records live; empty for the state folder's own.
    explicit InterruptedWriteStore(QString folder = {});

    std::vector<transfer::InterruptedWrite> records() const override;
    bool remember(transfer::InterruptedWrite& write, std::string& reason) override;
    void forget(const std::string& id) override;

    QString folder() const;

private:
    void moveOldRecords() const;

    QString m_folder;
    mutable bool m_oldRecordsMoved = false;
};

// The record a file holds, or nullopt for a file that is not a whole record
// (bounded: a damaged file is skipped, never trusted).
std::optional<transfer::InterruptedWrite> parseRecord(const QByteArray& bytes);
QByteArray recordBytes(const transfer::InterruptedWrite& write);

} // namespace tarvo::platform
