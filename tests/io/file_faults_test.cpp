// Faults injected into the calls that move a file's bytes: a save that fails
// at any point leaves the file it would replace as it was, reports the failure
// and leaves no temporary file; a read that fails part-way is reported, never
// taken for the end of the file.

#include "document/doc.h"
#include "document/document_number_pool.h"
#include "io/atomic_file.h"
#include "io/file_calls.h"
#include "io/file_reader.h"

#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

namespace fs = std::filesystem;
using namespace tarvo;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::size_t kNever = static_cast<std::size_t>(-1);

// Moves at most chunkBytes per call (so a file takes many calls, as a pipe or
// a slow disk would give) and fails with errno once failAfter bytes have
// moved in that direction.
class FaultyCalls final : public io::FileCalls {
public:
    FaultyCalls(std::size_t failWritesAfter, std::size_t failReadsAfter, std::size_t chunkBytes)
        : m_failWritesAfter(failWritesAfter), m_failReadsAfter(failReadsAfter), m_chunkBytes(chunkBytes)
    {
    }

    ssize_t write(int fd, std::span<const std::uint8_t> bytes) const override
    {
        const std::size_t n = allowed(bytes.size(), m_written, m_failWritesAfter);
        if (n == 0 && !bytes.empty()) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t done = io::FileCalls::write(fd, bytes.first(n));
        if (done > 0)
            m_written += static_cast<std::size_t>(done);
        return done;
    }

    ssize_t read(int fd, std::span<std::uint8_t> into) const override
    {
        const std::size_t n = allowed(into.size(), m_read, m_failReadsAfter);
        if (n == 0 && !into.empty()) {
            errno = EIO;
            return -1;
        }
        const ssize_t done = io::FileCalls::read(fd, into.first(n));
        if (done > 0)
            m_read += static_cast<std::size_t>(done);
        return done;
    }

private:
    std::size_t allowed(std::size_t asked, std::size_t moved, std::size_t limit) const
    {
        const std::size_t left = limit == kNever ? kNever : limit - std::min(limit, moved);
        return std::min({asked, m_chunkBytes, left});
    }

    std::size_t m_failWritesAfter;
    std::size_t m_failReadsAfter;
    std::size_t m_chunkBytes;
    mutable std::size_t m_written = 0;
    mutable std::size_t m_read = 0;
};

// A write that reports no progress and no error.
class StalledCalls final : public io::FileCalls {
public:
    ssize_t write(int, std::span<const std::uint8_t>) const override { return 0; }
};

using tarvo::test::TempDir;

using tarvo::test::readBytes;
using tarvo::test::writeBytes;

Bytes randomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(rng());
    return bytes;
}

// Failure points for a file of size bytes written chunkBytes per call: every
// call boundary, the bytes either side of it, and the last byte.
std::set<std::size_t> failurePoints(std::size_t size, std::size_t chunkBytes)
{
    std::set<std::size_t> points{0, 1, size - 1};
    for (std::size_t at = chunkBytes; at < size; at += chunkBytes) {
        points.insert(at - 1);
        points.insert(at);
        points.insert(at + 1);
    }
    std::erase_if(points, [size](std::size_t p) { return p >= size; });
    return points;
}

fs::path seedDocument(const char* name)
{
    return fs::path(TARVO_SOURCE_DIR) / "tests/fuzz/corpus/document_file" / name;
}

// Reads through readWholeFile with the given calls, as a document open would.
class CallsReader final : public io::FileReader {
public:
    explicit CallsReader(const io::FileCalls& calls) : m_calls(calls) {}
    io::FileResult readWhole(const std::string& path, Bytes& out, std::size_t maxBytes) const override
    {
        return io::readWholeFile(path, out, maxBytes, m_calls);
    }

private:
    const io::FileCalls& m_calls;
};

} // namespace

TEST(SaveFaults, AWriteFailingAfterAnyByteKeepsTheOriginalAndIsReported)
{
    constexpr std::size_t kSize = 2500;
    constexpr std::size_t kChunk = 256;
    TempDir dir;
    const fs::path target = dir.path() / "table.tvo";
    const Bytes original = randomBytes(kSize / 2, 1);
    const Bytes replacement = randomBytes(kSize, 2);
    writeBytes(target, original);

    for (std::size_t failAfter = 0; failAfter < kSize; ++failAfter) {
        SCOPED_TRACE("write fails after " + std::to_string(failAfter) + " bytes");
        const FaultyCalls calls(failAfter, kNever, kChunk);
        const io::FileResult result =
            io::writeFileAtomically(target, replacement, io::Overwrite::Allow, calls);
        ASSERT_FALSE(result.ok);
        ASSERT_NE(result.message.find("No space left on device"), std::string::npos) << result.message;
        ASSERT_EQ(readBytes(target), original);
        ASSERT_EQ(dir.entries(), 1u);
    }
    const FaultyCalls enough(kSize, kNever, kChunk);
    ASSERT_TRUE(io::writeFileAtomically(target, replacement, io::Overwrite::Allow, enough).ok);
    EXPECT_EQ(readBytes(target), replacement);
    EXPECT_EQ(dir.entries(), 1u);
}

// A file with two names is written in place: a write failing after any byte
// leaves both names on one file, and its old content either back in it or,
// when even putting it back fails, in the copy the message names.
TEST(SaveFaults, AHardLinkedFileFailingAfterAnyByteKeepsItsOldContentSafe)
{
    constexpr std::size_t kChunk = 128;
    TempDir dir;
    const fs::path target = dir.path() / "table.tvo";
    const fs::path otherName = dir.path() / "other.tvo";
    const Bytes original = randomBytes(700, 5);
    const Bytes replacement = randomBytes(1000, 6);

    const auto twoNames = [&] {
        fs::remove(target);
        fs::remove(otherName);
        writeBytes(target, original);
        fs::create_hard_link(target, otherName);
    };

    for (std::size_t failAfter : failurePoints(original.size() + replacement.size(), kChunk)) {
        SCOPED_TRACE("write fails after " + std::to_string(failAfter) + " bytes");
        twoNames();
        const FaultyCalls calls(failAfter, kNever, kChunk);
        const io::FileResult result =
            io::writeFileAtomically(target, replacement, io::Overwrite::Allow, calls);
        ASSERT_FALSE(result.ok);
        ASSERT_TRUE(fs::equivalent(target, otherName));
        const auto kept = result.message.find("its old content is kept in ");
        if (kept == std::string::npos) {
            ASSERT_EQ(readBytes(target), original) << result.message;
            ASSERT_EQ(dir.entries(), 2u);
        } else {
            const fs::path copy =
                result.message.substr(kept + std::string("its old content is kept in ").size());
            ASSERT_EQ(copy.parent_path(), dir.path());
            ASSERT_EQ(readBytes(copy), original);
            fs::remove(copy);
        }
    }
    twoNames();
    const FaultyCalls enough(original.size() + replacement.size(), kNever, kChunk);
    ASSERT_TRUE(io::writeFileAtomically(target, replacement, io::Overwrite::Allow, enough).ok);
    EXPECT_EQ(readBytes(otherName), replacement);
    EXPECT_EQ(dir.entries(), 2u);
}

TEST(SaveFaults, AFailedFirstSaveLeavesNoFileAndAStalledWriteFailsRatherThanSpins)
{
    TempDir dir;
    const fs::path target = dir.path() / "new.tvo";
    const Bytes bytes = randomBytes(1000, 3);
    for (std::size_t failAfter : {std::size_t(0), std::size_t(1), std::size_t(999)}) {
        const FaultyCalls calls(failAfter, kNever, 100);
        EXPECT_FALSE(io::writeFileAtomically(target, bytes, io::Overwrite::Allow, calls).ok);
        EXPECT_EQ(dir.entries(), 0u);
    }
    const io::FileResult stalled =
        io::writeFileAtomically(target, bytes, io::Overwrite::Allow, StalledCalls());
    EXPECT_FALSE(stalled.ok);
    EXPECT_NE(stalled.message.find("No space left on device"), std::string::npos) << stalled.message;
    EXPECT_EQ(dir.entries(), 0u);
}

TEST(SaveFaults, ADocumentSaveFailingAtEveryWriteCallKeepsTheFileItWouldReplace)
{
    constexpr std::size_t kChunk = 4096;
    TempDir dir;
    const fs::path target = dir.path() / "keep.tvo";
    fs::copy_file(seedDocument("russian.tvo"), target);
    const Bytes original = readBytes(target);

    document::DocumentNumberPool pool;
    document::CS1_Doc doc(*pool.take(), 0);
    ASSERT_TRUE(doc.openDocument(seedDocument("english.tvo")).ok());
    doc.setModified();
    const Bytes wanted = doc.serialize();
    ASSERT_NE(wanted, original);

    for (std::size_t failAfter : failurePoints(wanted.size(), kChunk)) {
        SCOPED_TRACE("write fails after " + std::to_string(failAfter) + " bytes");
        const FaultyCalls calls(failAfter, kNever, kChunk);
        const document::DocResult saved = doc.saveToPath(target, true, io::Overwrite::Allow, calls);
        ASSERT_EQ(saved.status, document::DocStatus::WriteFailed);
        ASSERT_FALSE(saved.message.empty());
        ASSERT_TRUE(doc.isModified());
        ASSERT_EQ(readBytes(target), original);
        ASSERT_EQ(dir.entries(), 1u);
    }
    const FaultyCalls enough(wanted.size(), kNever, kChunk);
    ASSERT_TRUE(doc.saveToPath(target, true, io::Overwrite::Allow, enough).ok());
    EXPECT_EQ(readBytes(target), wanted);
    EXPECT_FALSE(doc.isModified());
}

TEST(ReadFaults, AReadFailingMidFileIsReportedNotTakenForTheEnd)
{
    TempDir dir;
    const fs::path file = dir.path() / "big.bin";
    constexpr std::size_t kSize = 200000; // several of the reader's 64 KB chunks
    const Bytes bytes = randomBytes(kSize, 4);
    writeBytes(file, bytes);

    struct Case {
        std::size_t failAfter;
        std::size_t chunk;
    };
    const Case cases[] = {{0, kNever},     {1, kNever},         {65535, kNever}, {65536, kNever},
                          {65537, kNever}, {kSize - 1, kNever}, {5000, 7},       {kSize / 2, 4096}};
    for (const Case& c : cases) {
        SCOPED_TRACE("read fails after " + std::to_string(c.failAfter) + " bytes");
        const FaultyCalls calls(kNever, c.failAfter, c.chunk);
        Bytes out = {'k', 'e', 'p', 't'};
        const io::FileResult result = io::readWholeFile(file, out, io::kDefaultMaxReadBytes, calls);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find("Input/output error"), std::string::npos) << result.message;
        EXPECT_EQ(out, (Bytes{'k', 'e', 'p', 't'}));
    }
    // Short reads without an error still give the whole file.
    const FaultyCalls shortReads(kNever, kNever, 7);
    Bytes out;
    ASSERT_TRUE(io::readWholeFile(file, out, io::kDefaultMaxReadBytes, shortReads).ok);
    EXPECT_EQ(out, bytes);
}

TEST(ReadFaults, ADocumentWhoseReadFailsMidFileDoesNotOpen)
{
    const fs::path file = seedDocument("english.tvo");
    const std::size_t size = fs::file_size(file);
    document::DocumentNumberPool pool;
    document::CS1_Doc doc(*pool.take(), 0);
    for (std::size_t failAfter : {std::size_t(0), size / 2, size - 1}) {
        SCOPED_TRACE("read fails after " + std::to_string(failAfter) + " bytes");
        const FaultyCalls calls(kNever, failAfter, 1024);
        const document::DocResult opened = doc.openDocument(file, CallsReader(calls));
        EXPECT_EQ(opened.status, document::DocStatus::Unreadable);
        EXPECT_EQ(doc.tableCount(), 0u);
        EXPECT_TRUE(doc.path().empty());
    }
    const FaultyCalls clean(kNever, kNever, 1024);
    ASSERT_TRUE(doc.openDocument(file, CallsReader(clean)).ok());
    EXPECT_EQ(doc.tableCount(), 1u);
}
