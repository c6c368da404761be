#pragma once
// How a transfer job says it ended, where no session said it: the tool's
// lines, which the editor shows too. A prefix pattern takes the session's
// own message as its %s.

#include <string_view>

namespace tarvo::transfer::texts {

inline constexpr std::u16string_view kCancelled = u"cancelled";
inline constexpr std::u16string_view kCancelledBecause = u"cancelled: %s";
inline constexpr std::u16string_view kSessionFailed = u"the session failed";
inline constexpr std::u16string_view kNotEveryBlock = u"not every block of the chosen slots came in";
inline constexpr std::u16string_view kNothingErased = u"cancelled; nothing was erased";
inline constexpr std::u16string_view kWrittenNotVerified =
    u"cancelled; the tables were written but not verified";
inline constexpr std::u16string_view kNotErasedBecause = u"%s; nothing was erased";

inline constexpr std::u16string_view kReadFailed = u"the keyboard could not be read: %s";
inline constexpr std::u16string_view kReadFailedNothingErased =
    u"the keyboard could not be read, nothing was erased: %s";
inline constexpr std::u16string_view kVerifyReadFailed =
    u"the written tables could not be read back to verify them: %s";
// The session's message as it stands.
inline constexpr std::u16string_view kAsItIs = u"%s";

} // namespace tarvo::transfer::texts
