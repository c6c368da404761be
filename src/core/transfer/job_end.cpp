#include "transfer/job_end.h"

#include "templates/utf_text.h"

namespace tarvo::transfer {

JobStatus statusOf(const TransferSession& session)
{
    if (session.endCode() == kEndComplete)
        return JobStatus::Complete;
    switch (session.failure()) {
    case SessionFailure::Cancelled:
        return JobStatus::Cancelled;
    case SessionFailure::NoAnswer:
        return JobStatus::NoAnswer;
    case SessionFailure::PortUnavailable:
    case SessionFailure::PortLost:
        return JobStatus::PortError;
    case SessionFailure::Refused:
    case SessionFailure::LineError:
    case SessionFailure::Internal:
    case SessionFailure::None:
        break;
    }
    return session.endCode() == kEndCancelled ? JobStatus::Cancelled : JobStatus::Refused;
}

namespace {

// A run of line breaks becomes one space, none after a space.
std::string foldBreaks(const std::string& text)
{
    std::string folded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') {
            folded += text[i];
            continue;
        }
        while (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (!folded.empty() && folded.back() != ' ')
            folded += ' ';
    }
    return folded;
}

} // namespace

std::string failureLine(const TransferSession& session)
{
    std::string line = foldBreaks(templates::utf16ToUtf8(session.errorText()));
    if (!session.detail().empty())
        line += " (" + templates::utf16ToUtf8(session.detail()) + ")";
    if (line.empty())
        line = session.endCode() == kEndCancelled ? "cancelled" : "the session failed";
    return line;
}

JobEnd sessionEnd(const TransferSession& session, const std::string& prefix, std::optional<int> slot,
                  std::vector<int> incompleteSlots)
{
    JobEnd end;
    end.status = statusOf(session);
    std::string reason = failureLine(session);
    if (end.status == JobStatus::Complete) {
        // Ended with 5000 without all it was asked for: never a success.
        end.status = JobStatus::Refused;
        reason = "not every block of the chosen slots came in";
    }
    if (end.status == JobStatus::Cancelled && reason.rfind("cancelled", 0) != 0)
        reason = "cancelled: " + reason;
    end.message = prefix + reason;
    end.slot = slot;
    end.incompleteSlots = std::move(incompleteSlots);
    if (session.failureText().empty()) {
        end.happened = end.status == JobStatus::Cancelled ? std::string("cancelled") : prefix + reason;
    } else {
        end.happened = prefix + templates::utf16ToUtf8(session.failureText());
        if (!session.detail().empty())
            end.happened += " (" + templates::utf16ToUtf8(session.detail()) + ")";
    }
    return end;
}

} // namespace tarvo::transfer
