#include "io/atomic_file.h"

#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tarvo::io;

namespace {

using tarvo::test::TempDir;

using tarvo::test::readText;

} // namespace

TEST(AtomicFile, WritesAndReplacesLeavingNoTemporary)
{
    TempDir dir;
    const auto target = (dir.path() / "a.tvo").string();
    const std::vector<std::uint8_t> one = {'o', 'n', 'e'};
    const std::vector<std::uint8_t> two = {'t', 'w', 'o', '!'};
    ASSERT_TRUE(writeFileAtomically(target, one).ok);
    ASSERT_TRUE(writeFileAtomically(target, two).ok);
    EXPECT_EQ(readText(target), "two!");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(AtomicFile, RefuseKeepsExistingFile)
{
    TempDir dir;
    const auto target = (dir.path() / "a.tvo").string();
    const std::vector<std::uint8_t> one = {'o', 'n', 'e'};
    ASSERT_TRUE(writeFileAtomically(target, one).ok);
    const auto r = writeFileAtomically(target, std::vector<std::uint8_t>{'x'}, Overwrite::Refuse);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("a.tvo"), std::string::npos);
    EXPECT_EQ(readText(target), "one");
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
    EXPECT_FALSE(readWholeFile(dir.path().string(), out).ok);
    EXPECT_FALSE(writeFileAtomically(dir.path().string(), std::vector<std::uint8_t>{1}).ok);
}

TEST(AtomicFile, ReadWholeFileRefusesOversizedFiles)
{
    TempDir dir;
    const auto target = (dir.path() / "big").string();
    ASSERT_TRUE(writeFileAtomically(target, std::vector<std::uint8_t>(100, 7)).ok);
    std::vector<std::uint8_t> out;
    EXPECT_TRUE(readWholeFile(target, out).ok);
    EXPECT_EQ(out.size(), 100u);
    EXPECT_FALSE(readWholeFile(target, out, 99).ok);
}

// A save through a symbolic link writes the file the link names and leaves
// the link a link; a file with several hard links stays one file.
TEST(AtomicFile, LinksKeepNamingTheSavedFile)
{
    struct Case {
        const char* name;
        int filesCreated; // by the save
        // Makes the names in dir; returns the path given to the save and the real file.
        std::function<std::pair<fs::path, fs::path>(const fs::path& dir)> make;
    };
    const auto real = [](const fs::path& dir) {
        fs::create_directory(dir / "real");
        std::ofstream(dir / "real/doc.tvo") << "old";
        return dir / "real/doc.tvo";
    };
    const Case cases[] = {
        {"absolute symbolic link", 0,
         [&](const fs::path& dir) {
             fs::create_symlink(real(dir), dir / "link.tvo");
             return std::pair{dir / "link.tvo", dir / "real/doc.tvo"};
         }},
        {"relative symbolic link from another folder", 0,
         [&](const fs::path& dir) {
             real(dir);
             fs::create_directory(dir / "other");
             fs::create_symlink("../real/doc.tvo", dir / "other/link.tvo");
             return std::pair{dir / "other/link.tvo", dir / "real/doc.tvo"};
         }},
        {"chain of links", 0,
         [&](const fs::path& dir) {
             fs::create_symlink(real(dir), dir / "first.tvo");
             fs::create_symlink("first.tvo", dir / "second.tvo");
             return std::pair{dir / "second.tvo", dir / "real/doc.tvo"};
         }},
        {"link to a file not there yet", 1,
         [&](const fs::path& dir) {
             fs::create_symlink("later.tvo", dir / "link.tvo");
             return std::pair{dir / "link.tvo", dir / "later.tvo"};
         }},
        {"hard link", 0,
         [&](const fs::path& dir) {
             fs::create_hard_link(real(dir), dir / "second-name.tvo");
             return std::pair{dir / "second-name.tvo", dir / "real/doc.tvo"};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto [given, target] = c.make(dir.path());
        const bool wasLink = fs::is_symlink(given);
        const auto before = std::distance(fs::recursive_directory_iterator(dir.path()), {});
        const auto r = writeFileAtomically(given.string(), std::vector<std::uint8_t>{'n', 'e', 'w'});
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(readText(target), "new");
        EXPECT_EQ(readText(given), "new");
        EXPECT_EQ(fs::is_symlink(given), wasLink);
        EXPECT_TRUE(fs::equivalent(given, target));
        EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), before + c.filesCreated)
            << "no temporary file or old copy is left";
    }
}

TEST(AtomicFile, ALoopOfLinksIsRefusedAndNothingIsCreated)
{
    TempDir dir;
    fs::create_symlink("b.tvo", dir.path() / "a.tvo");
    fs::create_symlink("a.tvo", dir.path() / "b.tvo");
    const auto r = writeFileAtomically((dir.path() / "a.tvo").string(), std::vector<std::uint8_t>{1});
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("a.tvo"), std::string::npos);
    EXPECT_EQ(dir.entries(), 2u);
}

// A save never puts a regular file in the place of a device, a pipe or a
// socket, named directly or through a link: it is refused and the node stays.
TEST(AtomicFile, ATargetThatIsNotARegularFileIsRefusedAndKept)
{
    struct Kind {
        const char* name;
        mode_t type;
        std::function<bool(const std::string&)> make;
    };
    const Kind kinds[] = {
        // As /dev/null is: character device 1,3.
        {"character device", S_IFCHR,
         [](const std::string& p) { return ::mknod(p.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0; }},
        {"pipe", S_IFIFO, [](const std::string& p) { return ::mkfifo(p.c_str(), 0600) == 0; }},
        {"socket", S_IFSOCK,
         [](const std::string& p) {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             if (p.size() >= sizeof(address.sun_path))
                 return false;
             p.copy(address.sun_path, p.size());
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             const bool bound =
                 fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
             if (fd >= 0)
                 ::close(fd);
             return bound;
         }},
    };
    for (const Kind& kind : kinds) {
        for (const bool behindLink : {false, true}) {
            SCOPED_TRACE(std::string(kind.name) + (behindLink ? " behind a link" : ""));
            TempDir dir;
            const std::string node = dir.file("node");
            if (!kind.make(node)) {
                // Only a privileged user may make a device node.
                if (errno == EPERM && kind.type == S_IFCHR)
                    continue;
                FAIL() << std::strerror(errno);
            }
            std::string given = node;
            if (behindLink) {
                given = dir.file("link.tvo");
                fs::create_symlink("node", given);
            }
            const std::size_t before = dir.entries();
            const auto r = writeFileAtomically(given, std::vector<std::uint8_t>{'x'});
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.message, given + ": is not a regular file");
            struct stat st {};
            ASSERT_EQ(::lstat(node.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & S_IFMT, kind.type);
            EXPECT_EQ(fs::is_symlink(given), behindLink);
            EXPECT_EQ(dir.entries(), before);
        }
    }
}
