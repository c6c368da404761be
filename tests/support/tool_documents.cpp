#include "support/tool_documents.h"

#include "document/doc.h"
#include "testkit/temp_dir.h"

namespace tarvo::test {

void writeTemplate(const std::string& path)
{
    const std::u16string text = u"START_TABLE_DATA_CODE\n"
                                u"1, \"English\", 1, 1033, 9\n"
                                u"\n"
                                u"START_METADATA_LABELS_DATA_CODE\n"
                                u"10, \"Script Menus\"\n"
                                u"\n"
                                u"START_SOFTKEY_MENU_NAME_DATA_CODE\n"
                                u"80, \"Main\"\n"
                                u"81, \"Cameras\"\n"
                                u"\n"
                                u"START_SOFTKEY_MENU_DATA_CODE\n"
                                u"80, 3, 0, , 0, 2, 48, , \"Pan\", \"Left\", \"\"\n"
                                u"80, 9, 0, , 0, 0, 0, , \"\", \"\", \"\"\n"
                                u"\n"
                                u"START_TABLE_DATA_CODE\n"
                                u"1, \"Korea\", 5, 1042, 18\n"
                                u"\n"
                                u"START_METADATA_LABELS_DATA_CODE\n"
                                u"10, \"Script Menus\"\n"
                                u"\n"
                                u"START_SOFTKEY_MENU_NAME_DATA_CODE\n"
                                u"80, \"Main\"\n"
                                u"\n"
                                u"START_SOFTKEY_MENU_DATA_CODE\n"
                                u"80, 3, 0, , 0, 2, 48, , \"Pan\", \"\", \"\"\n"
                                u"\n"
                                u"ENDFILE_DATA_CODE\n"
                                u"\n";
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    for (const char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    writeBytes(path, bytes);
}

std::vector<std::vector<std::uint8_t>> documentImages(const std::string& path)
{
    document::DocumentNumberPool pool;
    const document::DocOutcome opened = document::openDocument(pool, path, 0);
    std::vector<std::vector<std::uint8_t>> images;
    if (!opened.doc)
        return images;
    for (std::size_t i = 0; i < opened.doc->tableCount(); ++i) {
        const auto image = opened.doc->table(i).Image();
        images.emplace_back(image.begin(), image.end());
    }
    return images;
}

} // namespace tarvo::test
