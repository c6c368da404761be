// Any bytes opened as a document: the open either fails with a reason and
// leaves the document as it was, or succeeds; then what was opened is saved
// and opened again and must give the same document. Side maps are written in
// hash order, where an entry order within a bucket flips with each save, so
// the maps are compared by content and the bytes of the first and the third
// save (two flips) are compared whole.

#include "document/doc.h"
#include "document/document_number_pool.h"
#include "fuzz_check.h"
#include "io/file_reader.h"
#include "model/lang_table.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace tarvo;
using Bytes = std::vector<std::uint8_t>;

class MemoryReader final : public io::FileReader {
public:
    explicit MemoryReader(Bytes bytes) : m_bytes(std::move(bytes)) {}
    io::FileResult readWhole(const std::string&, Bytes& out, std::size_t maxBytes) const override
    {
        if (m_bytes.size() > maxBytes)
            return {false, "file is too large", io::file_texts::kTooLarge, false};
        out = m_bytes;
        return {true, {}, {}, false};
    }

private:
    Bytes m_bytes;
};

template <typename V> std::map<std::int32_t, V> contentOf(const model::BucketMap<V>& map)
{
    std::map<std::int32_t, V> entries;
    map.forEach([&](std::int32_t key, const V& value) { entries.emplace(key, value); });
    return entries;
}

bool sameMenuEntries(const model::CS1_LangTable& a, const model::CS1_LangTable& b)
{
    std::vector<std::int32_t> keysA, keysB;
    a.MenuEntryInfos().forEach([&](std::int32_t key, const auto&) { keysA.push_back(key); });
    b.MenuEntryInfos().forEach([&](std::int32_t key, const auto&) { keysB.push_back(key); });
    std::sort(keysA.begin(), keysA.end());
    std::sort(keysB.begin(), keysB.end());
    return keysA == keysB;
}

void checkSameTables(const document::CS1_Doc& a, const document::CS1_Doc& b)
{
    TARVO_FUZZ_CHECK(a.tableCount() == b.tableCount());
    for (std::size_t i = 0; i < a.tableCount(); ++i) {
        const model::CS1_LangTable& ta = a.table(i);
        const model::CS1_LangTable& tb = b.table(i);
        TARVO_FUZZ_CHECK(std::ranges::equal(ta.Image(), tb.Image()));
        TARVO_FUZZ_CHECK(contentOf(ta.MetadataLabels()) == contentOf(tb.MetadataLabels()));
        TARVO_FUZZ_CHECK(contentOf(ta.MenuNames()) == contentOf(tb.MenuNames()));
        TARVO_FUZZ_CHECK(contentOf(ta.Misc10Groups()) == contentOf(tb.Misc10Groups()));
        TARVO_FUZZ_CHECK(contentOf(ta.Misc20Groups()) == contentOf(tb.Misc20Groups()));
        TARVO_FUZZ_CHECK(sameMenuEntries(ta, tb));
        TARVO_FUZZ_CHECK(ta.SpareTexts() == tb.SpareTexts());
        TARVO_FUZZ_CHECK(ta.SpareValues() == tb.SpareValues());
        TARVO_FUZZ_CHECK(ta.ErrorMessageNames() == tb.ErrorMessageNames());
        TARVO_FUZZ_CHECK(ta.UserFunctionNames() == tb.UserFunctionNames());
        TARVO_FUZZ_CHECK(ta.GetFont() == tb.GetFont());
    }
    TARVO_FUZZ_CHECK(a.serverPath() == b.serverPath());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using document::CS1_Doc;
    document::DocumentNumberPool pool;
    CS1_Doc first(*pool.take(), 0);
    const Bytes empty = first.serialize();
    const document::DocResult opened = first.openDocument("fuzz.tvo", MemoryReader(Bytes(data, data + size)));
    if (!opened.ok()) {
        TARVO_FUZZ_CHECK(!opened.message.empty());
        TARVO_FUZZ_CHECK(first.tableCount() == 0);
        TARVO_FUZZ_CHECK(first.serialize() == empty);
        return 0;
    }

    const Bytes saved = first.serialize();
    CS1_Doc second(*pool.take(), 0);
    TARVO_FUZZ_CHECK(second.openDocument("saved.tvo", MemoryReader(saved)).ok());
    TARVO_FUZZ_CHECK(second.loadNotes().empty());
    checkSameTables(first, second);
    const Bytes savedAgain = second.serialize();
    TARVO_FUZZ_CHECK(savedAgain.size() == saved.size());

    CS1_Doc third(*pool.take(), 0);
    TARVO_FUZZ_CHECK(third.openDocument("saved-again.tvo", MemoryReader(savedAgain)).ok());
    TARVO_FUZZ_CHECK(third.serialize() == saved);
    return 0;
}
