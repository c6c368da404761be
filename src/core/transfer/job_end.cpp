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

// The session's message and what the port said about it.
messages::Message withDetail(messages::Message message, const messages::Message& detail)
{
    if (!detail.empty())
        message.append(u" ", messages::Message(texts::kPortSaid, {detail}));
    return message;
}

messages::Message prefixed(std::u16string_view prefix, const messages::Message& reason)
{
    return prefix == texts::kAsItIs ? reason : messages::Message(prefix, {reason});
}

} // namespace

messages::Message failureReason(const TransferSession& session)
{
    messages::Message said = withDetail(session.errorMessage(), session.detail());
    if (said.empty())
        said = session.endCode() == kEndCancelled ? texts::kCancelled : texts::kSessionFailed;
    return said;
}

std::string failureLine(const TransferSession& session)
{
    return oneLineUtf8(failureReason(session));
}

messages::Message withPortDetail(const TransferSession& session, const messages::Message& shown)
{
    const messages::Message& failure = session.failureMessage();
    if (failure.empty() || shown.text() != failure.text())
        return shown;
    return withDetail(shown, session.detail());
}

JobEnd sessionEnd(const TransferSession& session, std::u16string_view prefix, std::optional<int> slot,
                  std::vector<int> incompleteSlots)
{
    JobEnd end;
    end.status = statusOf(session);
    messages::Message said = failureReason(session);
    if (end.status == JobStatus::Complete) {
        // Ended with 5000 without all it was asked for: never a success.
        end.status = JobStatus::Refused;
        said = texts::kNotEveryBlock;
    }
    if (end.status == JobStatus::Cancelled && !said.text().starts_with(texts::kCancelled))
        said = messages::Message(texts::kCancelledBecause, {said});
    end.line = prefixed(prefix, said);
    end.message = oneLineUtf8(end.line);
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
