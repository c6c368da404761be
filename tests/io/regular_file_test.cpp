// Only regular files are read whole; a pipe or a device is refused before
// anything waits on it.
#include "io/atomic_file.h"
#include "io/regular_file.h"
#include "pipe_guard.h"

#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tarvo::io;

namespace {

using tarvo::test::TempDir;

} // namespace

TEST(RegularFile, APipeWithoutAWriterIsRefusedWithoutWaiting)
{
    TempDir dir;
    const auto pipe = (dir.path() / "doc.tvo").string();
    ASSERT_TRUE(tarvo::test::makePipe(pipe));
    FileResult result;
    std::vector<std::uint8_t> out = {1, 2};
    const bool finished =
        tarvo::test::finishesWithoutAWriter(pipe, [&] { result = readWholeFile(pipe, out); });
    ASSERT_TRUE(finished) << "readWholeFile waited for a writer";
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("not a regular file"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find(pipe), std::string::npos) << result.message;
    EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2})) << "out is kept on failure";
}

TEST(RegularFile, KindsOfFileAreTold)
{
    TempDir dir;
    const auto file = (dir.path() / "a").string();
    ASSERT_TRUE(writeFileAtomically(file, std::vector<std::uint8_t>{1, 2, 3}).ok);
    struct Case {
        std::string path;
        OpenProblem problem;
    };
    const Case cases[] = {
        {file, OpenProblem::None},
        {dir.path().string(), OpenProblem::Directory},
        {"/dev/null", OpenProblem::NotRegular},
        {(dir.path() / "missing").string(), OpenProblem::SystemError},
    };
    for (const auto& c : cases) {
        RegularFileForReading opened(c.path);
        EXPECT_EQ(opened.problem(), c.problem) << c.path;
        EXPECT_EQ(opened.ok(), opened.fd() >= 0) << c.path;
    }
    RegularFileForReading opened(file);
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.size(), 3u);
    char bytes[4] = {};
    EXPECT_EQ(::read(opened.fd(), bytes, sizeof bytes), 3) << "reads are made as on any file";
    EXPECT_EQ(opened.close(), 0);
    EXPECT_EQ(opened.fd(), -1);
}
