#pragma once
// Builds language tables, documents and files for the document tests.

#include "document/doc.h"
#include "model/lang_table.h"
#include "testkit/temp_dir.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarvo::document::test {

// Little-endian bytes written independently of the program's archive writer.
class Bytes {
public:
    Bytes& u8(std::uint8_t v)
    {
        data.push_back(v);
        return *this;
    }
    Bytes& u16(std::uint16_t v)
    {
        return u8(static_cast<std::uint8_t>(v)).u8(static_cast<std::uint8_t>(v >> 8));
    }
    Bytes& i32(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        return u16(static_cast<std::uint16_t>(u)).u16(static_cast<std::uint16_t>(u >> 16));
    }
    // A tagged string with a one-byte length (texts below 255 characters).
    Bytes& str(const std::u16string& s)
    {
        u8(0xFF).u16(0xFFFE).u8(static_cast<std::uint8_t>(s.size()));
        for (const char16_t c : s)
            u16(c);
        return *this;
    }
    Bytes& raw(const std::vector<std::uint8_t>& b)
    {
        data.insert(data.end(), b.begin(), b.end());
        return *this;
    }
    std::vector<std::uint8_t> data;
};

// A table as a template gives it: header, metadata label 10, the names of
// menus 80-85 and some entries of menu 80 and 81.
std::unique_ptr<model::CS1_LangTable> makeTable(int font, int languageId, int firmwareMajor = 1,
                                                int firmwareMinor = 94,
                                                const std::u16string& name = u"English");

// Writes entry n of menu m with the lines and action and an info record.
void putEntry(model::CS1_LangTable& table, int menu, int entry, const std::u16string& l1,
              const std::u16string& l2, int kind, int valueA, int valueB = 0, bool edited = false);
model::MenuEntry entryOf(const model::CS1_LangTable& table, int menu, int entry,
                         model::MenuEntryInfo* info = nullptr);

// A document made of tables, as a new document would be.
std::unique_ptr<CS1_Doc> makeDocument(DocumentNumberPool& pool, TableList tables);

// The 65,536 image bytes of table.
std::vector<std::uint8_t> imageOf(const model::CS1_LangTable& table);

using ::tarvo::test::readBytes;
using ::tarvo::test::TempDir;

} // namespace tarvo::document::test
