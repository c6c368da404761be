#include "io/atomic_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tarvo::io;

namespace {

struct TempDir {
    fs::path path;
    TempDir()
    {
        char tmpl[] = "/tmp/tarvo-io-XXXXXX";
        path = ::mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(path); }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(path), {})); }
};

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(AtomicFile, WritesAndReplacesLeavingNoTemporary)
{
    TempDir dir;
    const auto target = (dir.path / "a.tvo").string();
    const std::vector<std::uint8_t> one = {'o', 'n', 'e'};
    const std::vector<std::uint8_t> two = {'t', 'w', 'o', '!'};
    ASSERT_TRUE(writeFileAtomically(target, one).ok);
    ASSERT_TRUE(writeFileAtomically(target, two).ok);
    EXPECT_EQ(slurp(target), "two!");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(AtomicFile, RefuseKeepsExistingFile)
{
    TempDir dir;
    const auto target = (dir.path / "a.tvo").string();
    const std::vector<std::uint8_t> one = {'o', 'n', 'e'};
    ASSERT_TRUE(writeFileAtomically(target, one).ok);
    const auto r = writeFileAtomically(target, std::vector<std::uint8_t>{'x'}, Overwrite::Refuse);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("a.tvo"), std::string::npos);
    EXPECT_EQ(slurp(target), "one");
}

TEST(AtomicFile, FailureInMissingFolderIsReportedWithPath)
{
    const auto r = writeFileAtomically("/nonexistent-folder/x.tvo", std::vector<std::uint8_t>{1});
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("/nonexistent-folder/x.tvo"), std::string::npos);
}

TEST(AtomicFile, DirectoriesAreRefusedBothWays)
{
    TempDir dir;
    std::vector<std::uint8_t> out;
    EXPECT_FALSE(readWholeFile(dir.path.string(), out).ok);
    EXPECT_FALSE(writeFileAtomically(dir.path.string(), std::vector<std::uint8_t>{1}).ok);
}

TEST(AtomicFile, ReadWholeFileRefusesOversizedFiles)
{
    TempDir dir;
    const auto target = (dir.path / "big").string();
    ASSERT_TRUE(writeFileAtomically(target, std::vector<std::uint8_t>(100, 7)).ok);
    std::vector<std::uint8_t> out;
    EXPECT_TRUE(readWholeFile(target, out).ok);
    EXPECT_EQ(out.size(), 100u);
    EXPECT_FALSE(readWholeFile(target, out, 99).ok);
}
