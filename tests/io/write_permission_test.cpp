// A save never replaces a file its user protected, whoever runs the program.
#include "io/atomic_file.h"
#include "io/write_permission.h"

#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tarvo::io;

namespace {

using tarvo::test::TempDir;

using tarvo::test::readText;

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

} // namespace

TEST(WritePermission, TheWriteBitOfTheUsersClassDecides)
{
    constexpr uid_t kOwner = 1000;
    constexpr uid_t kOther = 1001;
    constexpr uid_t kRoot = 0;
    struct Case {
        mode_t mode;
        uid_t user;
        bool inGroup;
        bool granted;
    };
    const Case cases[] = {
        {0644, kOwner, false, true},  {0444, kOwner, false, false}, {0464, kOwner, true, false},
        {0664, kOther, true, true},   {0644, kOther, true, false},  {0646, kOther, false, true},
        {0644, kOther, false, false}, {0444, kRoot, false, false},  {0644, kRoot, false, true},
        {0002, kRoot, false, true},
    };
    for (const auto& c : cases) {
        const FileOwnership file{c.mode, kOwner, 100};
        EXPECT_EQ(modeGrantsWrite(file, {c.user, c.inGroup}), c.granted)
            << std::oct << c.mode << std::dec << " user " << c.user;
    }
    // The superuser owning a file whose owner bit is clear is refused too.
    EXPECT_FALSE(modeGrantsWrite({0464, kRoot, 0}, {kRoot, true}));
}

TEST(WritePermission, AReadOnlyFileIsNotReplacedEvenWhereTheFolderAllowsIt)
{
    TempDir dir;
    const auto target = (dir.path() / "doc.tvo").string();
    ASSERT_TRUE(writeFileAtomically(target, std::vector<std::uint8_t>{'o', 'l', 'd'}).ok);
    for (const mode_t mode : {mode_t(0444), mode_t(0464), mode_t(0400)}) {
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        EXPECT_EQ(replaceableByUser(target), Replaceable::ReadOnly) << std::oct << mode;
        const FileResult r = writeFileAtomically(target, std::vector<std::uint8_t>{'n', 'e', 'w'});
        EXPECT_FALSE(r.ok) << std::oct << mode;
        EXPECT_TRUE(r.readOnly) << std::oct << mode;
        EXPECT_NE(r.message.find("read-only"), std::string::npos) << r.message;
        EXPECT_EQ(readText(target), "old");
        EXPECT_EQ(modeOf(target), mode);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "no temporary file is left";
    ASSERT_EQ(::chmod(target.c_str(), 0644), 0);
    EXPECT_EQ(replaceableByUser(target), Replaceable::Yes);
    EXPECT_TRUE(writeFileAtomically(target, std::vector<std::uint8_t>{'n', 'e', 'w'}).ok);
    EXPECT_EQ(readText(target), "new");
    EXPECT_EQ(replaceableByUser((dir.path() / "missing").string()), Replaceable::Yes);
}
