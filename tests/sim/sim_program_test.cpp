#include "document/document_file.h"
#include "model/lang_table.h"
#include "sim/keyboard_flash.h"
#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "templates/template_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace tarvo::sim::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The simulator's --status run with options (separated by spaces); its
// output, marked when the run failed.
std::string runStatus(const std::string& options)
{
    std::vector<std::string> args = {"--status"};
    std::istringstream words(options);
    for (std::string word; words >> word;)
        args.push_back(word);
    const auto run = ::tarvo::test::runProgram(TARVO_BIN_DIR "/tarvo-kbdsim", args, ".");
    return run.status == 0 ? run.out : run.out + "(failed)";
}

std::unique_ptr<model::CS1_LangTable> namedTable(const char16_t* name, int languageId)
{
    auto table = std::make_unique<model::CS1_LangTable>();
    EXPECT_TRUE(table->Init());
    model::TableHeader header;
    header.schema = 3;
    header.friendlyName = name;
    model::TableMetadata metadata;
    metadata.font = 1;
    metadata.firmwareMajor = 1;
    metadata.firmwareMinor = 94;
    metadata.languageId = languageId;
    table->SetHeader(header, metadata);
    return table;
}

TEST(SimulatorProgram, StatusPrintsEachSlotsState)
{
    ::tarvo::test::SimulatedKeyboard sim;
    KeyboardFlash flash;
    Bytes table(KeyboardFlash::kSlotBytes, 0x00);
    table[0] = 3; // schema
    table[1] = 'D', table[2] = 'e', table[3] = 'm', table[4] = 'o';
    table[330] = 1;                  // font
    table[333] = 1, table[334] = 94; // firmware version
    table[335] = 9;                  // language ID
    flash.storeSlot(0, table, SlotState::Complete);
    flash.erase(1);
    ASSERT_TRUE(flash.save(sim.flashPath()).ok);
    const std::string output = runStatus("--generation 1 --flash " + sim.flashPath());
    EXPECT_NE(output.find("slot 1: complete, \"Demo\", language ID 9, font 1, version 1.94\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("slot 2: partly written, ( flashed clear )\n"), std::string::npos) << output;
    EXPECT_NE(output.find("slot 5: erased"), std::string::npos) << output;
    EXPECT_EQ(output.find("slot 6:"), std::string::npos) << "a generation 1 keyboard has five slots";
}

TEST(SimulatorProgram, TablesFromADocumentFillSlotsInDocumentOrder)
{
    ::tarvo::test::SimulatedKeyboard sim;
    document::TableList tables;
    tables.push_back(namedTable(u"English", 9));
    tables.push_back(namedTable(u"Deutsch", 7));
    const auto bytes = document::writeDocumentFile(serial::CommSettings::forDocument(), tables, u"");
    const std::string doc = sim.directory() + "/two.tvo";
    std::ofstream(doc, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // An existing flash file: its old content is replaced.
    KeyboardFlash old;
    old.storeSlot(2, Bytes(KeyboardFlash::kSlotBytes, 0x03), SlotState::Complete);
    ASSERT_TRUE(old.save(sim.flashPath()).ok);

    const std::string output = runStatus("--flash " + sim.flashPath() + " --tables " + doc);
    EXPECT_NE(output.find("slot 1: complete, \"English\", language ID 9, font 1, version 1.94\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("slot 2: complete, \"Deutsch\", language ID 7, font 1, version 1.94\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("slot 3: erased, ( flashed clear )\n"), std::string::npos) << output;
    KeyboardFlash saved;
    ASSERT_TRUE(saved.load(sim.flashPath()).ok);
    EXPECT_EQ(saved.slotImage(0)[335], 9);
    EXPECT_EQ(saved.state(2), SlotState::Erased);
}

TEST(SimulatorProgram, ANewFlashFileHoldsTheShippedTemplatesTables)
{
    const auto files = templates::findTemplateFiles(TARVO_SHARE_DIR "/templates", templates::kTemplateNumber);
    if (files.empty())
        GTEST_SKIP() << "no template shipped in " TARVO_SHARE_DIR "/templates";
    const auto built = templates::buildTablesFromTemplate(files.front());
    ASSERT_TRUE(built.ok);
    ::tarvo::test::SimulatedKeyboard sim;
    const std::string output = runStatus("--flash " + sim.flashPath());
    KeyboardFlash flash;
    ASSERT_TRUE(flash.load(sim.flashPath()).ok) << output;
    for (int slot = 0; slot < KeyboardFlash::kSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        if (index < built.tables.size()) {
            // As the keyboard's own loader leaves them: the font slot (byte 21) is the font number - 1.
            const auto table = built.tables[index]->Image();
            std::vector<std::uint8_t> image(table.begin(), table.end());
            image[21] = static_cast<std::uint8_t>(image[330] - 1);
            EXPECT_TRUE(std::equal(image.begin(), image.end(), flash.slotImage(slot).begin())) << slot;
            EXPECT_EQ(flash.state(slot), SlotState::Complete);
        } else {
            EXPECT_EQ(flash.state(slot), SlotState::Erased) << slot;
            EXPECT_EQ(flash.slotImage(slot)[0], 0xFF);
        }
    }
}

} // namespace
} // namespace tarvo::sim::testing
