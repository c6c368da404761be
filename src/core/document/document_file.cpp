#include "document/document_file.h"

#include "document/archive.h"
#include "document/doc_texts.h"
#include "document/table_record.h"
#include "io/message_pattern.h"
#include "templates/utf_text.h"

#include <cstdio>
#include <new>

namespace tarvo::document {

namespace {

// No table record can be shorter than its image.
constexpr std::size_t kMinTableRecordBytes = model::kImageBytes;
// A text file with a UTF-16LE byte order mark, as templates are.
constexpr std::uint8_t kByteOrderMark[2] = {0xFF, 0xFE};

DocResult damaged(const std::string& reason)
{
    return DocResult::failure(DocStatus::Damaged,
                              messages::Message(texts::kDamaged, {templates::utf8ToUtf16(reason)}));
}

void writeComm(ArchiveWriter& w, const serial::CommSettings& c)
{
    w.writeI32(c.dtrEnable);
    w.writeI32(c.eofEnable);
    w.writeI32(c.nullDiscard);
    w.writeI32(c.rtsEnable);
    w.writeI32(c.baudIndex);
    w.writeI32(c.portIndex);
    w.writeI32(c.dataBitsIndex);
    w.writeI32(c.handshakingIndex);
    w.writeI32(c.inputModeIndex);
    w.writeI32(c.parityIndex);
    w.writeI32(c.stopBitsIndex);
    w.writeI16(c.inBufferSize);
    w.writeI16(c.inputLen);
    w.writeI16(c.outBufferSize);
    w.writeI16(c.parityReplace);
    w.writeI16(c.rThreshold);
    w.writeI16(c.sThreshold);
}

bool readComm(ArchiveReader& r, serial::CommSettings& c)
{
    return r.readI32(c.dtrEnable) && r.readI32(c.eofEnable) && r.readI32(c.nullDiscard) &&
           r.readI32(c.rtsEnable) && r.readI32(c.baudIndex) && r.readI32(c.portIndex) &&
           r.readI32(c.dataBitsIndex) && r.readI32(c.handshakingIndex) && r.readI32(c.inputModeIndex) &&
           r.readI32(c.parityIndex) && r.readI32(c.stopBitsIndex) && r.readI16(c.inBufferSize) &&
           r.readI16(c.inputLen) && r.readI16(c.outBufferSize) && r.readI16(c.parityReplace) &&
           r.readI16(c.rThreshold) && r.readI16(c.sThreshold);
}

messages::Message droppedKeysNote(std::uint32_t tableIndex, const std::vector<std::int32_t>& keys)
{
    std::u16string listed;
    for (const auto key : keys) {
        char hex[16];
        std::snprintf(hex, sizeof hex, " 0x%08X", static_cast<unsigned>(key));
        listed += templates::utf8ToUtf16(hex);
    }
    messages::Message note(
        texts::kDroppedEntryRecords,
        {messages::number(tableIndex), messages::number(static_cast<long long>(keys.size()))});
    return note.append(u"", messages::Message::data(std::move(listed)));
}

bool startsWithByteOrderMark(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 2 && bytes[0] == kByteOrderMark[0] && bytes[1] == kByteOrderMark[1];
}

} // namespace

std::vector<std::uint8_t> writeDocumentFile(const serial::CommSettings& comm, const TableList& tables,
                                            const std::u16string& serverPath)
{
    ArchiveWriter w;
    w.reserve(tables.size() * (model::kImageBytes + 4096) + 256);
    w.writeI32(kDocumentSchema);
    writeComm(w, comm);
    w.writeI32(static_cast<std::int32_t>(tables.size()));
    for (const auto& table : tables)
        writeTableRecord(w, *table);
    w.writeString(serverPath);
    return w.take();
}

DocResult readDocumentFile(std::span<const std::uint8_t> bytes, DocumentFileContents& out)
{
    if (bytes.empty())
        return DocResult::failure(DocStatus::NotADocument, texts::kEmptyFile);
    io::BoundedReader reader(bytes);
    ArchiveReader archive(reader);

    if (startsWithByteOrderMark(bytes))
        return DocResult::failure(DocStatus::NotADocument, texts::kTemplateNotDocument);
    std::int32_t schema = 0;
    if (!archive.readI32(schema))
        return damaged(archive.error());
    if (schema > kNewestPlausibleSchema)
        return DocResult::failure(DocStatus::NotADocument, texts::kNotADocument);
    if (schema > kDocumentSchema)
        return DocResult::failure(DocStatus::NewerSchema,
                                  messages::Message(texts::kNewerSchema, {messages::number(kDocumentSchema),
                                                                          messages::number(schema)}));
    if (schema < kOldestDocumentSchema)
        return DocResult::failure(DocStatus::NotADocument, texts::kNotADocument);

    DocumentFileContents read;
    read.schema = schema;
    if (!readComm(archive, read.comm))
        return damaged(archive.error());

    std::uint32_t tableCount = 0;
    if (!archive.readIntCount(tableCount, kMinTableRecordBytes))
        return damaged(archive.error());
    try {
        read.tables.reserve(tableCount);
        for (std::uint32_t i = 0; i < tableCount; ++i) {
            auto table = std::make_unique<model::CS1_LangTable>();
            if (!table->Init())
                return damaged("out of memory");
            std::vector<std::int32_t> droppedKeys;
            if (!readTableRecord(archive, schema, *table, &droppedKeys))
                return damaged(archive.error() + " (language table " + std::to_string(i) + ")");
            if (!droppedKeys.empty())
                read.loadNotes.append(u"\n", droppedKeysNote(i, droppedKeys));
            read.tables.push_back(std::move(table));
        }
    } catch (const std::bad_alloc&) {
        return damaged("out of memory");
    }
    if (!archive.readString(read.serverPath))
        return damaged(archive.error() + " (server document path)");
    if (!reader.atEnd())
        return damaged(std::to_string(reader.remaining()) +
                       " bytes follow the end of the document at offset " +
                       std::to_string(reader.position()));
    out = std::move(read);
    return DocResult::success();
}

} // namespace tarvo::document
