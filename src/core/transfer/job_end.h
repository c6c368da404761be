#pragma once
// How a transfer job ended: its class of failure (the tool's exit statuses
// follow it), one line saying why, and the slot it concerns when there is
// one (the slot a write left half-written, the slot a verify found wrong).

#include "io/message_pattern.h"
#include "templates/utf_text.h"
#include "transfer/job_texts.h"
#include "transfer/transfer_session.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo::transfer {

using templates::oneLineUtf8;

enum class JobStatus {
    Complete,
    FileError, // a document or file could not be made, read or saved
    NoAnswer,  // the keyboard did not answer at any speed tried, or a reply did not come
    Refused,   // the keyboard refused or answered wrongly, or the choice cannot be carried out
    Cancelled,
    VerifyFailed, // a written slot read back different
    PortError,    // the port cannot be used, or failed under the session
};

struct JobEnd {
    JobStatus status = JobStatus::Complete;
    std::string message; // UTF-8, one line; empty when complete
    // The same line as the system said it, for a reader in another language
    // (the editor's history keeps it so).
    messages::Message line;
    std::optional<int> slot;
    // For a window that says it in one box: what happened in plain words
    // (line breaks kept, without what it left behind), and the slots a
    // write left incomplete. Empty when it is message.
    messages::Message happened;
    std::vector<int> incompleteSlots;
};

// An end said in one line (happened is the same line).
inline JobEnd jobEnd(JobStatus status, std::string message, std::optional<int> slot = std::nullopt)
{
    JobEnd end;
    end.status = status;
    end.line = messages::Message::data(templates::utf8ToUtf16(message));
    end.message = std::move(message);
    end.slot = slot;
    return end;
}
// An end said by a message of the system: the tool prints it on one line.
inline JobEnd jobEnd(JobStatus status, const messages::Message& message,
                     std::optional<int> slot = std::nullopt)
{
    JobEnd end;
    end.status = status;
    end.message = oneLineUtf8(message);
    end.line = message;
    end.happened = message;
    end.slot = slot;
    return end;
}

// The class of a session's end (Complete for a session that ended with 5000).
JobStatus statusOf(const TransferSession& session);
// The session's error, with what the port said about it: a message of the
// system, and the same on one line.
messages::Message failureReason(const TransferSession& session);
std::string failureLine(const TransferSession& session);
// A message the session shows, naming what the port said about it when it
// is the session's failure (as a job's end names it).
messages::Message withPortDetail(const TransferSession& session, const messages::Message& shown);
// A session that did not complete, as the end of a job: the session's reason
// fills prefix's %s, and a cancelled session's reason starts with "cancelled".
JobEnd sessionEnd(const TransferSession& session, std::u16string_view prefix = texts::kAsItIs,
                  std::optional<int> slot = std::nullopt, std::vector<int> incompleteSlots = {});

} // namespace tarvo::transfer
