#include "model/language_characters.h"

#include "model/keyboard_fonts.h"

#include <algorithm>
#include <array>
#include <span>

namespace tarvo::model {
namespace {

enum class CharacterList {
    Arabic,
    TraditionalChinese,
    CentralEuropean,
    Western,
    Greek,
    Korean,
    Cyrillic,
    Turkish,
    SimplifiedChinese
};

struct LanguageList {
    int windowsLanguageId;
    CharacterList list;
};

constexpr std::array kLanguageLists{
    LanguageList{1025, CharacterList::Arabic},          LanguageList{1028, CharacterList::TraditionalChinese},
    LanguageList{1029, CharacterList::CentralEuropean}, LanguageList{1038, CharacterList::CentralEuropean},
    LanguageList{1045, CharacterList::CentralEuropean}, LanguageList{1051, CharacterList::CentralEuropean},
    LanguageList{1030, CharacterList::Western},         LanguageList{1031, CharacterList::Western},
    LanguageList{1033, CharacterList::Western},         LanguageList{1035, CharacterList::Western},
    LanguageList{1036, CharacterList::Western},         LanguageList{1040, CharacterList::Western},
    LanguageList{1043, CharacterList::Western},         LanguageList{1044, CharacterList::Western},
    LanguageList{1053, CharacterList::Western},         LanguageList{2070, CharacterList::Western},
    LanguageList{3082, CharacterList::Western},         LanguageList{1032, CharacterList::Greek},
    LanguageList{1042, CharacterList::Korean},          LanguageList{1049, CharacterList::Cyrillic},
    LanguageList{1055, CharacterList::Turkish},         LanguageList{2052, CharacterList::SimplifiedChinese},
};

// The one-byte font whose code table is the list.
struct FontList {
    CharacterList list;
    int font;
};

constexpr std::array kFontLists{
    FontList{CharacterList::Western, 1},         FontList{CharacterList::Cyrillic, 2},
    FontList{CharacterList::CentralEuropean, 3}, FontList{CharacterList::Greek, 4},
    FontList{CharacterList::Turkish, 6},         FontList{CharacterList::Arabic, 7},
};

constexpr char16_t kFirstPrintableAscii = 0x20;
constexpr char16_t kLastPrintableAscii = 0x7E;
constexpr std::size_t kFirstTwoByteCode = 0x100;
constexpr char16_t kOpeningQuote = 0x201C;
constexpr char16_t kClosingQuote = 0x201D;

bool isHangul(char16_t ch)
{
    return ch >= 0xAC00 && ch <= 0xD7A3;
}

bool isIdeograph(char16_t ch)
{
    return (ch >= 0x3400 && ch <= 0x4DBF) || (ch >= 0x4E00 && ch <= 0x9FFF) || (ch >= 0xF900 && ch <= 0xFAFF);
}

// Font 5's printable ASCII, then from its two-byte codes the quotation marks
// and the characters of script, in code order.
std::vector<char16_t> twoByteFontList(bool (*script)(char16_t))
{
    std::vector<char16_t> list;
    for (char16_t ch = kFirstPrintableAscii; ch <= kLastPrintableAscii; ++ch)
        list.push_back(ch);
    const auto codes = KeyboardFonts::instance().characters(KeyboardFonts::kTwoByteFont);
    for (std::size_t code = kFirstTwoByteCode; code < codes.size(); ++code)
        if (codes[code] == kOpeningQuote || codes[code] == kClosingQuote || script(codes[code]))
            list.push_back(codes[code]);
    return list;
}

} // namespace

std::vector<char16_t> charactersUsedBy(int windowsLanguageId)
{
    const auto language =
        std::find_if(kLanguageLists.begin(), kLanguageLists.end(),
                     [&](const LanguageList& l) { return l.windowsLanguageId == windowsLanguageId; });
    if (language == kLanguageLists.end())
        return {};
    switch (language->list) {
    case CharacterList::Korean:
        return twoByteFontList(isHangul);
    case CharacterList::TraditionalChinese:
    case CharacterList::SimplifiedChinese:
        return twoByteFontList(isIdeograph);
    default:
        break;
    }
    const auto font = std::find_if(kFontLists.begin(), kFontLists.end(),
                                   [&](const FontList& f) { return f.list == language->list; });
    const std::span<const char16_t> codes = KeyboardFonts::instance().characters(font->font);
    return {codes.begin(), codes.end()};
}

} // namespace tarvo::model
