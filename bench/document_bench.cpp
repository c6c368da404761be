// Times the open and the save of a document of 13 language tables with full
// script menus (about 850 KB), as File Open and File Save do them, and prints
// the medians against the goal of 10 ms.

#include "document/doc.h"
#include "model/lang_table_layout.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace layout = tarvo::model::layout;
using tarvo::document::CS1_Doc;
using tarvo::document::DocumentNumberPool;

constexpr double kGoalMs = 10.0;
constexpr int kRuns = 21;
constexpr int kTables = 13;

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

std::unique_ptr<tarvo::model::CS1_LangTable> fullTable(int index)
{
    auto t = std::make_unique<tarvo::model::CS1_LangTable>();
    t->Init();
    tarvo::model::TableHeader header;
    header.schema = 1;
    header.friendlyName = u"Language " + std::u16string(1, static_cast<char16_t>(u'A' + index));
    tarvo::model::TableMetadata metadata;
    metadata.font = index % 7 + 1;
    metadata.firmwareMajor = 1;
    metadata.firmwareMinor = 94;
    metadata.languageId = index;
    t->SetHeader(header, metadata);
    for (std::size_t i = layout::kMisc20Offset; i < layout::kMenuRegionOffset; ++i)
        t->SetByte(i, static_cast<int>((i * 7 + static_cast<std::size_t>(index)) & 0x7F));
    t->SetMetadataLabel(10, u"Script Menus");
    t->misc20Info().assign(layout::kMisc20Count, {1, 20, 'L', 0, 0, u""});
    t->misc10Info().assign(layout::kMisc10Count, {1, 10, 'C', 0, 0, u""});
    // The script menus 80-95 in full, as a template gives them.
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        t->SetMenuName(menu, u"Menu name");
        for (int entry = 1; entry <= layout::kEntriesPerMenu; ++entry) {
            tarvo::model::MenuEntry e;
            e.line1 = u"Line one";
            e.line2 = u"Line two";
            e.actionKind = 2;
            e.valueA = '0';
            tarvo::model::MenuEntryInfo info;
            info.menu = menu;
            info.entry = entry;
            info.edited = menu >= layout::kMainCclMenu && entry % 3 == 0;
            t->SetMenuEntry(e, info, false);
        }
    }
    return t;
}

} // namespace

int main()
{
    char folder[] = "/tmp/tarvo-bench-document-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        std::perror("bench_document: mkdtemp");
        return 1;
    }
    const std::string path = std::string(folder) + "/13-tables.tvo";

    DocumentNumberPool pool;
    auto number = pool.take();
    CS1_Doc doc(std::move(*number), 0);
    tarvo::document::TableList tables;
    for (int i = 0; i < kTables; ++i)
        tables.push_back(fullTable(i));
    doc.OnNewDocument(std::move(tables), nullptr);

    std::vector<double> saves;
    std::vector<double> opens;
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        const auto saved = doc.saveToPath(path, true);
        auto end = std::chrono::steady_clock::now();
        if (!saved.ok()) {
            std::fprintf(stderr, "bench_document: the save failed\n");
            return 1;
        }
        saves.push_back(std::chrono::duration<double, std::milli>(end - start).count());

        start = std::chrono::steady_clock::now();
        auto opened = tarvo::document::openDocument(pool, path, 0);
        end = std::chrono::steady_clock::now();
        if (!opened.doc || opened.doc->tableCount() != kTables) {
            std::fprintf(stderr, "bench_document: the open failed\n");
            return 1;
        }
        opens.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    const auto bytes = std::filesystem::file_size(path);
    std::filesystem::remove_all(folder);

    const double openMs = medianMs(opens);
    const double saveMs = medianMs(saves);
    std::printf("document: %d tables, %ju bytes\n", kTables, static_cast<std::uintmax_t>(bytes));
    std::printf("document: open %.2f ms (goal %.0f ms, ratio %.3f)\n", openMs, kGoalMs, openMs / kGoalMs);
    std::printf("document: save %.2f ms (goal %.0f ms, ratio %.3f)\n", saveMs, kGoalMs, saveMs / kGoalMs);
    return 0;
}
