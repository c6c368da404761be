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

namespace {

// The session's message and what the port said about it.
messages::Message withDetail(messages::Message message, const std::u16string& detail)
{
    if (!detail.empty())
        message.append(u" ", messages::Message::data(u"(" + detail + u")"));
    return message;
}

messages::Message prefixed(std::u16string_view prefix, const messages::Message& reason)
{
    return prefix == texts::kAsItIs ? reason : messages::Message(prefix, {reason});
}

} // namespace

JobEnd sessionEnd(const TransferSession& session, std::u16string_view prefix, std::optional<int> slot,
                  std::vector<int> incompleteSlots)
{
    JobEnd end;
    end.status = statusOf(session);
    std::string reason = failureLine(session);
    messages::Message said = withDetail(session.errorMessage(), session.detail());
    if (said.empty())
        said = session.endCode() == kEndCancelled ? texts::kCancelled : texts::kSessionFailed;
    if (end.status == JobStatus::Complete) {
        // Ended with 5000 without all it was asked for: never a success.
        end.status = JobStatus::Refused;
        reason = templates::utf16ToUtf8(std::u16string(texts::kNotEveryBlock));
        said = texts::kNotEveryBlock;
    }
    if (end.status == JobStatus::Cancelled && reason.rfind("cancelled", 0) != 0) {
        reason.insert(0, "cancelled: ");
        said = messages::Message(texts::kCancelledBecause, {said});
    }
    end.message = templates::utf16ToUtf8(messages::format(prefix, {templates::utf8ToUtf16(reason)}));
    end.slot = slot;
    end.incompleteSlots = std::move(incompleteSlots);
    if (session.failureMessage().empty())
        end.happened = end.status == JobStatus::Cancelled ? messages::Message(texts::kCancelled)
                                                          : prefixed(prefix, said);
    else
        end.happened = prefixed(prefix, withDetail(session.failureMessage(), session.detail()));
    return end;
}

} // namespace tarvo::transfer
