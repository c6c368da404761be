// The .tvo file: its exact bytes, round trips, older schemas, and every kind
// of damaged or foreign file.
#include "document/doc.h"
#include "document/doc_texts.h"
#include "document/table_record.h"
#include "model/lang_table_layout.h"
#include "support/document_builders.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::document {
namespace {

using test::Bytes;
using test::makeTable;
using test::readBytes;
using test::TempDir;

std::vector<std::uint8_t> recordOf(const model::CS1_LangTable& t)
{
    ArchiveWriter w;
    writeTableRecord(w, t);
    return w.take();
}

// Every field different, to catch a field written in the wrong place.
serial::CommSettings distinctSettings()
{
    serial::CommSettings c;
    c.portIndex = 3;
    c.baudIndex = 12;
    c.parityIndex = 1;
    c.dataBitsIndex = 2;
    c.stopBitsIndex = 1;
    c.handshakingIndex = 3;
    c.inBufferSize = 2048;
    c.rThreshold = 5;
    c.inputLen = 7;
    c.outBufferSize = 999;
    c.sThreshold = 11;
    c.eofEnable = 1;
    c.nullDiscard = 1;
    c.rtsEnable = 0;
    c.dtrEnable = 1;
    c.parityReplace = 35;
    c.inputModeIndex = 0;
    return c;
}

Bytes settingsInFileOrder(const serial::CommSettings& c)
{
    Bytes b;
    b.i32(c.dtrEnable).i32(c.eofEnable).i32(c.nullDiscard).i32(c.rtsEnable).i32(c.baudIndex).i32(c.portIndex);
    b.i32(c.dataBitsIndex)
        .i32(c.handshakingIndex)
        .i32(c.inputModeIndex)
        .i32(c.parityIndex)
        .i32(c.stopBitsIndex);
    b.u16(static_cast<std::uint16_t>(c.inBufferSize)).u16(static_cast<std::uint16_t>(c.inputLen));
    b.u16(static_cast<std::uint16_t>(c.outBufferSize)).u16(static_cast<std::uint16_t>(c.parityReplace));
    b.u16(static_cast<std::uint16_t>(c.rThreshold)).u16(static_cast<std::uint16_t>(c.sThreshold));
    return b;
}

TableList twoTables()
{
    TableList tables;
    tables.push_back(makeTable(1, 9));
    tables.push_back(makeTable(5, 18, 1, 94, u"Korea"));
    return tables;
}

TEST(DocumentFile, WritesTheFieldsInFileOrder)
{
    DocumentNumberPool pool;
    auto doc = test::makeDocument(pool, twoTables());
    doc->setCommSettings(distinctSettings());
    doc->setServerPath(u"/srv/site.hvd");
    Bytes expected;
    expected.i32(3).raw(settingsInFileOrder(distinctSettings()).data).i32(2);
    expected.raw(recordOf(doc->table(0))).raw(recordOf(doc->table(1))).str(u"/srv/site.hvd");
    EXPECT_EQ(doc->serialize(), expected.data);
}

TEST(DocumentFile, NewDocumentsCarryTheDocumentDefaults)
{
    DocumentNumberPool pool;
    auto doc = test::makeDocument(pool, {});
    // DTR, EOF, NullDiscard, RTS, baud 19200, COM1, 8 bits, RTS, Binary, None, 1 stop bit, then the int16s.
    const auto expected = Bytes()
                              .i32(3)
                              .i32(0)
                              .i32(0)
                              .i32(0)
                              .i32(1)
                              .i32(8)
                              .i32(0)
                              .i32(4)
                              .i32(2)
                              .i32(1)
                              .i32(2)
                              .i32(0)
                              .u16(1024)
                              .u16(0)
                              .u16(512)
                              .u16(63)
                              .u16(1)
                              .u16(0)
                              .i32(0)
                              .str(u"")
                              .data;
    EXPECT_EQ(doc->serialize(), expected);
}

TEST(DocumentFile, ServerPathLengthFormSwitchesAt255Characters)
{
    DocumentNumberPool pool;
    auto doc = test::makeDocument(pool, {});
    const std::size_t fixedPart = 4 + 11 * 4 + 6 * 2 + 4;
    doc->setServerPath(std::u16string(254, u'a'));
    auto bytes = doc->serialize();
    EXPECT_EQ(bytes.size(), fixedPart + 4 + 2 * 254);
    EXPECT_EQ(bytes[fixedPart + 3], 254);
    doc->setServerPath(std::u16string(255, u'a'));
    bytes = doc->serialize();
    ASSERT_EQ(bytes.size(), fixedPart + 6 + 2 * 255);
    EXPECT_EQ(bytes[fixedPart + 3], 0xFF);
    EXPECT_EQ(bytes[fixedPart + 4], 0xFF);
    EXPECT_EQ(bytes[fixedPart + 5], 0x00);
}

TEST(DocumentFile, NewSaveOpenSaveOpenSaveGivesTheFirstBytesAgain)
{
    TempDir dir;
    DocumentNumberPool pool;
    auto doc = test::makeDocument(pool, twoTables());
    doc->setCommSettings(distinctSettings());
    doc->table(0).MenuEntryInfos().find(model::menuEntryKey(80, 3))->edited = 1;
    ASSERT_TRUE(doc->saveToPath(dir.file("1.tvo"), true).ok());
    auto opened = openDocument(pool, dir.file("1.tvo"), 0);
    ASSERT_TRUE(opened.doc) << test::readBytes(dir.file("1.tvo")).size();
    ASSERT_TRUE(opened.doc->saveToPath(dir.file("2.tvo"), true).ok());
    auto again = openDocument(pool, dir.file("2.tvo"), 0);
    ASSERT_TRUE(again.doc);
    ASSERT_TRUE(again.doc->saveToPath(dir.file("3.tvo"), true).ok());
    const auto first = readBytes(dir.file("1.tvo"));
    EXPECT_EQ(readBytes(dir.file("3.tvo")), first);
    EXPECT_EQ(readBytes(dir.file("2.tvo")).size(), first.size());
    EXPECT_EQ(again.doc->commSettings(), distinctSettings());
    EXPECT_EQ(again.doc->tableCount(), 2u);
    EXPECT_EQ(test::imageOf(again.doc->table(1)), test::imageOf(doc->table(1)));
}

// A file of an older schema, written out from the rules: schema 1 records
// lack the firmware fields.
std::vector<std::uint8_t> olderFile(int schema, const model::CS1_LangTable& table)
{
    auto record = recordOf(table);
    if (schema == 1)
        record.erase(record.begin() + 12, record.begin() + 20);
    return Bytes()
        .i32(schema)
        .raw(settingsInFileOrder(serial::CommSettings::forDocument()).data)
        .i32(1)
        .raw(record)
        .str(u"x.hvd")
        .data;
}

TEST(DocumentFile, SchemasOneAndTwoOpenAndSaveAsThree)
{
    for (const int schema : {1, 2}) {
        TempDir dir;
        const auto table = makeTable(1, 9, 1, 94);
        const auto path = dir.write("old.tvo", olderFile(schema, *table));
        DocumentNumberPool pool;
        auto opened = openDocument(pool, path, 0);
        ASSERT_TRUE(opened.doc) << schema;
        EXPECT_EQ(opened.doc->schema(), 3);
        EXPECT_EQ(opened.doc->firmwareMajor(), 1) << "the firmware check reads the image";
        EXPECT_EQ(opened.doc->firmwareMinor(), 94);
        const int expectedMemberMajor = schema == 1 ? 0 : 1;
        EXPECT_EQ(opened.doc->table(0).FirmwareMajor(), expectedMemberMajor);
        EXPECT_EQ(opened.doc->serverPath(), u"x.hvd");
        ASSERT_TRUE(opened.doc->saveToPath(dir.file("new.tvo"), true).ok());
        const auto saved = readBytes(dir.file("new.tvo"));
        ASSERT_GE(saved.size(), 84u);
        EXPECT_EQ(saved[0], 3);
        // Font, language identifier, empty string, then firmware as the members hold it.
        const std::size_t record = 4 + 11 * 4 + 6 * 2 + 4;
        EXPECT_EQ(saved[record + 12], expectedMemberMajor);
        EXPECT_EQ(saved[record + 16], schema == 1 ? 0 : 94);
    }
}

TEST(DocumentFile, FirmwareGateTakesTheFirstTable)
{
    struct Case {
        int major;
        int minor;
        bool accepted;
    };
    const Case cases[] = {{1, 39, false}, {1, 40, true}, {2, 5, true}, {0, 99, false}};
    for (const auto& c : cases) {
        TempDir dir;
        DocumentNumberPool pool;
        TableList tables;
        tables.push_back(makeTable(1, 9, c.major, c.minor));
        tables.push_back(makeTable(1, 7, 2, 0));
        auto doc = test::makeDocument(pool, std::move(tables));
        ASSERT_TRUE(doc->saveToPath(dir.file("f.tvo"), true).ok());
        auto opened = openDocument(pool, dir.file("f.tvo"), 0);
        EXPECT_EQ(static_cast<bool>(opened.doc), c.accepted) << c.major << "." << c.minor;
        if (!c.accepted) {
            EXPECT_EQ(opened.result.status, DocStatus::OldFirmware);
            EXPECT_EQ(opened.result.message, texts::kOldFirmware);
        }
    }
}

TEST(DocumentFile, ZeroTablesOpenAsAnEmptyDocument)
{
    TempDir dir;
    DocumentNumberPool pool;
    auto doc = test::makeDocument(pool, {});
    doc->setServerPath(u"s.hvd");
    ASSERT_TRUE(doc->saveToPath(dir.file("e.tvo"), true).ok());
    auto opened = openDocument(pool, dir.file("e.tvo"), 0);
    ASSERT_TRUE(opened.doc);
    EXPECT_EQ(opened.doc->tableCount(), 0u);
    EXPECT_EQ(opened.doc->serverPath(), u"s.hvd");
    EXPECT_TRUE(opened.doc->knownFolder());
    EXPECT_FALSE(opened.doc->isModified());
}

TEST(DocumentFile, NewerSchemaShowsMessage11805WithBothSchemas)
{
    TempDir dir;
    auto bytes = olderFile(2, *makeTable(1, 9));
    bytes[0] = 4;
    const auto path = dir.write("n.tvo", bytes);
    DocumentNumberPool pool;
    auto opened = openDocument(pool, path, 0);
    EXPECT_FALSE(opened.doc);
    EXPECT_EQ(opened.result.status, DocStatus::NewerSchema);
    EXPECT_EQ(opened.result.message,
              u"Error: The document could not be opened because it was created with a newer version of this "
              u"application.\n\nWend Schema: 3\nDoc Schema: 4");
    EXPECT_EQ(pool.inUse(), 0) << "a failed open leaves no document behind";
}

// Only a schema a later version could have written is "newer"; a number far
// beyond (text, another format) means the file is not a document.
TEST(DocumentFile, ASchemaNoVersionCouldHaveWrittenIsNotADocument)
{
    const struct {
        std::int32_t schema;
        DocStatus status;
    } cases[] = {
        {kDocumentSchema + 1, DocStatus::NewerSchema},
        {kNewestPlausibleSchema, DocStatus::NewerSchema},
        {kNewestPlausibleSchema + 1, DocStatus::NotADocument},
        {0x61542023, DocStatus::NotADocument}, // "# Ta": a README renamed .tvo
        {0x7FFFFFFF, DocStatus::NotADocument},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.schema);
        auto bytes = olderFile(2, *makeTable(1, 9));
        for (int i = 0; i < 4; ++i)
            bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c.schema >> (8 * i));
        DocumentNumberPool pool;
        auto opened = openDocument(pool, dir.write("s.tvo", bytes), 0);
        EXPECT_FALSE(opened.doc);
        EXPECT_EQ(opened.result.status, c.status);
        if (c.status == DocStatus::NotADocument) {
            EXPECT_EQ(opened.result.message, u"the file is not a document");
        }
    }
}

// Every prefix of a valid file is refused as damaged with one message, and
// the file is left as it was.
TEST(DocumentFile, EveryTruncationIsRefusedAsDamaged)
{
    TempDir dir;
    DocumentNumberPool pool;
    TableList tables;
    tables.push_back(makeTable(1, 9));
    auto doc = test::makeDocument(pool, std::move(tables));
    doc->table(0).SpareTexts() = {u"a"};
    doc->table(0).Misc20Info().resize(2);
    doc->table(0).ErrorMessageNames() = {u"E1"};
    doc->setServerPath(u"p");
    const auto full = doc->serialize();
    // Outside the image every length is checked; inside it, one cut per 4 KB is enough.
    for (std::size_t length = 0; length < full.size(); ++length) {
        const bool inImage = length > 80 && length < 80 + 65536;
        if (inImage && length % 4096 != 0)
            continue;
        DocumentFileContents contents;
        const DocResult r = readDocumentFile(std::span(full.data(), length), contents);
        ASSERT_FALSE(r.ok()) << length;
        EXPECT_TRUE(r.status == DocStatus::Damaged || (length == 0 && r.status == DocStatus::NotADocument))
            << length;
        EXPECT_FALSE(r.message.empty());
        EXPECT_TRUE(contents.tables.empty());
    }
    const auto path = dir.write("cut.tvo", std::vector<std::uint8_t>(full.begin(), full.end() - 1));
    auto opened = openDocument(pool, path, 0);
    EXPECT_FALSE(opened.doc);
    EXPECT_EQ(opened.result.path, path);
    EXPECT_EQ(readBytes(path).size(), full.size() - 1);
}

TEST(DocumentFile, ForeignFilesAreRefusedWithOneClearReason)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.tvo"));
    const std::vector<std::uint8_t> templateBytes = {0xFF, 0xFE, 'S', 0, 'T', 0, 'A', 0, 'R', 0, 'T', 0};
    auto trailing = olderFile(3, *makeTable(1, 9));
    trailing.push_back(0);
    struct Case {
        std::string name;
        std::string path;
        DocStatus status;
    };
    const Case cases[] = {
        {"empty", dir.write("empty.tvo", {}), DocStatus::NotADocument},
        {"template", dir.write("t.LT3", templateBytes), DocStatus::NotADocument},
        {"schema 0", dir.write("z.tvo", Bytes().i32(0).i32(0).data), DocStatus::NotADocument},
        {"negative schema", dir.write("m.tvo", Bytes().i32(-7).data), DocStatus::NotADocument},
        {"trailing bytes", dir.write("tr.tvo", trailing), DocStatus::Damaged},
        {"huge table count",
         dir.write("h.tvo", Bytes().i32(3).raw(settingsInFileOrder({}).data).i32(0x7FFFFFFF).data),
         DocStatus::Damaged},
        {"negative table count",
         dir.write("neg.tvo", Bytes().i32(3).raw(settingsInFileOrder({}).data).i32(-1).data),
         DocStatus::Damaged},
        {"directory", dir.file("folder.tvo"), DocStatus::Unreadable},
        {"missing", dir.file("none.tvo"), DocStatus::Unreadable},
    };
    for (const auto& c : cases) {
        DocumentNumberPool pool;
        auto opened = openDocument(pool, c.path, 0);
        EXPECT_FALSE(opened.doc) << c.name;
        EXPECT_EQ(opened.result.status, c.status) << c.name;
        EXPECT_EQ(opened.result.path, c.path) << c.name;
        EXPECT_FALSE(opened.result.message.empty()) << c.name;
        EXPECT_EQ(pool.inUse(), 0) << c.name;
    }
}

// Reads as the system does for a file whose read permission is missing; the
// superuser, who runs CI, is never refused by the system itself.
class PermissionDeniedReader final : public io::FileReader {
public:
    io::FileResult readWhole(const std::string& path, std::vector<std::uint8_t>&, std::size_t) const override
    {
        asked.push_back(path);
        io::FileResult refused;
        refused.message = path + ": cannot be opened: " + std::strerror(EACCES);
        refused.reason = messages::Message(io::file_texts::kCannotOpen, {u"Permission denied"});
        return refused;
    }
    mutable std::vector<std::string> asked;
};

TEST(DocumentFile, AFileWithoutReadPermissionIsUnreadable)
{
    TempDir dir;
    const auto path = dir.write("locked.tvo", olderFile(3, *makeTable(1, 9)));
    const PermissionDeniedReader reader;
    DocumentNumberPool pool;
    auto opened = openDocument(pool, path, 0, reader);
    EXPECT_FALSE(opened.doc);
    EXPECT_EQ(opened.result.status, DocStatus::Unreadable);
    EXPECT_EQ(opened.result.path, path);
    EXPECT_EQ(opened.result.message, u"cannot be opened: Permission denied") << "the path is not repeated";
    EXPECT_EQ(opened.result.message.parts().at(0).pattern, io::file_texts::kCannotOpen)
        << "said in the reader's words";
    EXPECT_EQ(reader.asked, std::vector<std::string>{path});
    EXPECT_EQ(pool.inUse(), 0) << "the document number is given back";
    // The same file through the system's reader opens.
    EXPECT_TRUE(openDocument(pool, path, 0).doc);
}

TEST(DocumentFile, EntryRecordsNamingNoEntryAreDroppedAndTheOpenSaysSo)
{
    TempDir dir;
    DocumentNumberPool pool;
    TableList tables;
    tables.push_back(makeTable(1, 9));
    tables.push_back(makeTable(1, 7));
    model::MenuEntryInfo stray;
    stray.menu = 80;
    stray.entry = 3;
    tables[1]->MenuEntryInfos().set(model::menuEntryKey(96, 1), stray);
    tables[1]->MenuEntryInfos().set(model::menuEntryKey(80, 0), stray);
    auto doc = test::makeDocument(pool, std::move(tables));
    ASSERT_TRUE(doc->saveToPath(dir.file("s.tvo"), true).ok());

    auto opened = openDocument(pool, dir.file("s.tvo"), 0);
    ASSERT_TRUE(opened.doc);
    const std::u16string notes = opened.doc->loadNotes().text();
    EXPECT_EQ(notes.find(u"language table 0"), std::u16string::npos) << "table 0 lost nothing";
    EXPECT_NE(notes.find(u"language table 1: 2 entry records"), std::u16string::npos);
    EXPECT_NE(notes.find(u"0x00600001"), std::u16string::npos);
    EXPECT_NE(notes.find(u"0x00500000"), std::u16string::npos);
    EXPECT_EQ(opened.doc->table(1).MenuEntryInfos().find(model::menuEntryKey(96, 1)), nullptr);
    EXPECT_TRUE(openDocument(pool, dir.file("s.tvo"), 0).doc) << "the open itself succeeds";

    ASSERT_TRUE(opened.doc->saveToPath(dir.file("s.tvo"), true).ok());
    auto again = openDocument(pool, dir.file("s.tvo"), 0);
    ASSERT_TRUE(again.doc);
    EXPECT_TRUE(again.doc->loadNotes().empty()) << "saved again, the file holds no stray records";
}

TEST(DocumentFile, SettingsOutsideTheirTablesFallBackAndAreReported)
{
    TempDir dir;
    auto bytes = olderFile(3, *makeTable(1, 9));
    bytes[4 + 4 * 4] = 99; // baud index
    const auto path = dir.write("b.tvo", bytes);
    DocumentNumberPool pool;
    auto opened = openDocument(pool, path, 0);
    ASSERT_TRUE(opened.doc);
    EXPECT_EQ(opened.doc->commSettings().baudIndex, 8);
    EXPECT_FALSE(opened.doc->settingsCorrections().empty());
}

TEST(DocumentFile, AFailedSaveLeavesTheExistingFileUntouched)
{
    TempDir dir;
    DocumentNumberPool pool;
    auto doc = test::makeDocument(pool, twoTables());
    const auto path = dir.write("keep.tvo", {1, 2, 3});
    const DocResult refused = doc->saveToPath(path, true, io::Overwrite::Refuse);
    EXPECT_EQ(refused.status, DocStatus::WriteFailed);
    EXPECT_EQ(readBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(doc->hasPath());
    const DocResult intoMissingFolder = doc->saveToPath(dir.file("no/such/folder.tvo"), true);
    EXPECT_EQ(intoMissingFolder.status, DocStatus::WriteFailed);
    doc->setModified();
    ASSERT_TRUE(doc->saveToPath(path, true).ok());
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->path(), path);
    EXPECT_EQ(doc->title(), u"keep.tvo");
}

} // namespace
} // namespace tarvo::document
