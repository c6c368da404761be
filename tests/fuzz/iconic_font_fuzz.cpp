// The iconic font reader takes any text: either every line gives 32 bytes or
// the result names a reason; the section written from a font never exceeds the
// address room.

#include "export/iconic_font.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvo::dump;
    IconicFont font;
    const DumpResult result = parseIconicFont({data, size}, "Iconic_font.FT", font);
    if (!result.ok) {
        TARVO_FUZZ_CHECK(!result.message.empty());
        return 0;
    }
    TARVO_FUZZ_CHECK(font.lines.size() <= kMaxFontLines);
    std::string section;
    appendIconicSection(section, font);
    TARVO_FUZZ_CHECK(section.size() >= kIconicPreamble.size());
    return 0;
}
