#include "model/language_characters.h"

#include "model/font_tables_generated.h"
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
    case CharacterList::TraditionalChinese:
    case CharacterList::SimplifiedChinese: {
        const std::span<const char16_t> list = generatedTwoByteLanguageList(windowsLanguageId);
        return {list.begin(), list.end()};
    }
    default:
        break;
    }
    const auto font = std::find_if(kFontLists.begin(), kFontLists.end(),
                                   [&](const FontList& f) { return f.list == language->list; });
    const std::span<const char16_t> codes = KeyboardFonts::instance().characters(font->font);
    return {codes.begin(), codes.end()};
}

} // namespace tarvo::model
