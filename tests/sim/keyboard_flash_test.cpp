#include "sim/keyboard_flash.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tarvo::sim {
namespace {

namespace fs = std::filesystem;

class FlashFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("kbdsim_flash_" + std::to_string(::getpid()) + "_" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const char* name) const { return (m_dir / name).string(); }

    static void writeText(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    fs::path m_dir;
};

TEST_F(FlashFiles, SaveAndLoadRoundTripContentAndStates)
{
    KeyboardFlash flash;
    std::vector<std::uint8_t> table(KeyboardFlash::kSlotBytes);
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::uint8_t>(i ^ (i >> 9));
    flash.storeSlot(0, table, SlotState::Complete);
    flash.erase(4);
    const std::uint8_t block[3] = {0x12, 0x34, 0x56};
    flash.program((4u << 16) + 0x100, block);
    const std::string file = path("kbd.flash");
    ASSERT_TRUE(flash.save(file).ok);
    EXPECT_FALSE(flash.dirty());
    EXPECT_EQ(fs::file_size(file), KeyboardFlash::kFlashBytes);

    KeyboardFlash loaded;
    const FlashResult result = loaded.load(file);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_TRUE(std::equal(table.begin(), table.end(), loaded.slotImage(0).begin()));
    EXPECT_EQ(loaded.bytes((4u << 16) + 0x101, 1)[0], 0x34);
    EXPECT_EQ(loaded.state(0), SlotState::Complete);
    EXPECT_EQ(loaded.state(4), SlotState::PartlyWritten);
    EXPECT_EQ(loaded.state(5), SlotState::Erased);
}

TEST_F(FlashFiles, StateFileIsReadableText)
{
    KeyboardFlash flash;
    flash.erase(1);
    flash.markComplete(2);
    const std::string file = path("kbd.flash");
    ASSERT_TRUE(flash.save(file).ok);
    std::ifstream in(KeyboardFlash::stateFilePath(file));
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(all.find("slot 1: erased\n"), std::string::npos);
    EXPECT_NE(all.find("slot 2: partly written\n"), std::string::npos);
    EXPECT_NE(all.find("slot 3: complete\n"), std::string::npos);
    EXPECT_NE(all.find("slot 13: erased\n"), std::string::npos);
}

TEST_F(FlashFiles, WithoutStateFileBlankSlotsAreErasedAndOthersComplete)
{
    std::vector<std::uint8_t> raw(KeyboardFlash::kFlashBytes, 0xFF);
    raw[2 * KeyboardFlash::kSlotBytes + 77] = 0x00;
    const std::string file = path("bare.flash");
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
    KeyboardFlash flash;
    ASSERT_TRUE(flash.load(file).ok);
    for (int slot = 0; slot < KeyboardFlash::kSlots; ++slot)
        EXPECT_EQ(flash.state(slot), slot == 2 ? SlotState::Complete : SlotState::Erased) << slot;
}

TEST_F(FlashFiles, RefusesFilesThatAreNotFlashAndLeavesThemAlone)
{
    const std::string file = path("notes.txt");
    writeText(file, "not a flash image");
    KeyboardFlash flash;
    const FlashResult result = flash.load(file);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.missing);
    EXPECT_NE(result.message.find("not a keyboard flash file"), std::string::npos);
    EXPECT_EQ(fs::file_size(file), 17u);

    const FlashResult missing = flash.load(path("absent.flash"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.missing);
}

TEST_F(FlashFiles, RefusesBrokenStateFiles)
{
    const std::string file = path("kbd.flash");
    KeyboardFlash flash;
    ASSERT_TRUE(flash.save(file).ok);
    const std::string good = flash.stateText();
    struct Case {
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {good + "slot 14: erased\n", "out of range"},    {good + "slot 0: erased\n", "out of range"},
        {good + "slot 3: half done\n", "unknown state"}, {good + "3: erased\n", "expected"},
        {"slot 1: erased\n", "no state for slot 2"},
    };
    for (const auto& c : cases) {
        writeText(KeyboardFlash::stateFilePath(file), c.text);
        KeyboardFlash loaded;
        const FlashResult result = loaded.load(file);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_NE(result.message.find(c.reason), std::string::npos) << result.message;
    }
}

TEST(KeyboardFlash, StoringASlotFillsTheRestErasedAndSetsTheState)
{
    KeyboardFlash flash;
    const std::vector<std::uint8_t> shortImage(100, 0x00);
    flash.storeSlot(7, shortImage, SlotState::Complete);
    EXPECT_EQ(flash.slotImage(7)[99], 0x00);
    EXPECT_EQ(flash.slotImage(7)[100], 0xFF);
    EXPECT_EQ(flash.state(7), SlotState::Complete);
    EXPECT_EQ(flash.slotImage(6)[0], 0xFF);
    EXPECT_EQ(flash.slotImage(8)[0], 0xFF);
}

} // namespace
} // namespace tarvo::sim
