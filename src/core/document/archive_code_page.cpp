#include "document/archive_code_page.h"

#include "document/archive.h"
#include "model/keyboard_fonts.h"

#include <array>
#include <atomic>

namespace tarvo::document {

namespace {

constexpr std::uint8_t kFirstNonAscii = 0x80;

struct CodePageFont {
    int codePage;
    int keyboardFont; // 0: the archive's own Windows-1252 table
};

// The keyboard fonts follow these code pages above ASCII; Windows-1252 keeps
// the archive's table, which has every printable byte (font 1 lacks three).
constexpr std::array kCodePageFonts = {
    CodePageFont{1252, 0}, CodePageFont{1251, 2}, CodePageFont{1250, 3},
    CodePageFont{1253, 4}, CodePageFont{1254, 6}, CodePageFont{1256, 7},
};

std::atomic<int> g_codePage{kDefaultArchiveCodePage};
std::atomic<int> g_keyboardFont{0};

} // namespace

bool setArchiveCodePage(int codePage)
{
    for (const CodePageFont& entry : kCodePageFonts) {
        if (entry.codePage == codePage) {
            g_codePage = entry.codePage;
            g_keyboardFont = entry.keyboardFont;
            return true;
        }
    }
    g_codePage = kDefaultArchiveCodePage;
    g_keyboardFont = 0;
    return false;
}

int archiveCodePage()
{
    return g_codePage;
}

char16_t archiveByteToUnicode(std::uint8_t byte)
{
    const int font = g_keyboardFont;
    if (font == 0 || byte < kFirstNonAscii)
        return windows1252ToUnicode(byte);
    const char16_t mapped = model::KeyboardFonts::instance().toUnicode(font, byte);
    return mapped == model::KeyboardFonts::kNoCharacter ? static_cast<char16_t>(byte) : mapped;
}

} // namespace tarvo::document
