// Any bytes given to the template parser end in tables or in a message, never
// in a crash; a failed parse leaves the caller's list as it was.

#include "fuzz_check.h"
#include "templates/template_parser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tarvo::templates::CTemplateReader reader;
    tarvo::templates::TableList tables;
    const bool ok = reader.ParseTemplateData("fuzz.LT3", {data, size}, tables);
    TARVO_FUZZ_CHECK(ok == !reader.Error().has_value());
    if (!ok)
        TARVO_FUZZ_CHECK(tables.empty());
    TARVO_FUZZ_CHECK(tables.size() <= tarvo::templates::kMaxTemplateTables);
    for (const auto& table : tables)
        TARVO_FUZZ_CHECK(table != nullptr);
    return 0;
}
