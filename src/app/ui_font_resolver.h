#pragma once
// Makes the three UI fonts from the names the keyboard tools have always
// used. Where a named family is not installed, fontconfig's substitute
// stands in; the wide-coverage font must also draw Hangul and CJK, so when
// its substitute cannot, the first installed family that covers Korean is
// taken instead.

#include "ui/widgets/ui_fonts.h"

#include <optional>

namespace tarvo::app {

// Character heights in pixels.
inline constexpr int kFixedFontPixels = 12;
inline constexpr int kTextFontPixels = 11;
inline constexpr int kUnicodeFontPixels = 16;

// nullopt when no font at all can be found.
std::optional<ui::UiFonts> resolveUiFonts();
// True when family has glyphs for Hangul.
bool familyCoversHangul(const QString& family);

} // namespace tarvo::app
