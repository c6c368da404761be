#pragma once
// The serial-communications control's own messages: a property refused, the
// port's state. What the device itself says comes from the platform, in the
// reader's language already.

#include <string_view>

namespace tarvo::serial::control_texts {

inline constexpr std::u16string_view kReadOnly = u"%s can only be read.";
inline constexpr std::u16string_view kOutOfBounds = u"%s must be a value between %d and %d.";
inline constexpr std::u16string_view kOnlyWhileClosed = u"%s can only be changed while the port is closed.";
inline constexpr std::u16string_view kBadSettingsText =
    u"\"%s\" is not a valid Settings text (for example 19200,N,8,1).";
inline constexpr std::u16string_view kAlreadyOpen = u"The port %s is already open.";
inline constexpr std::u16string_view kNotOpen = u"The port is not open.";

} // namespace tarvo::serial::control_texts
