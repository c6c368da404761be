// Times the open and the save of a document of 13 language tables with full
// script menus (about 850 KB), as File Open and File Save do them, and prints
// the medians against the goal of 10 ms.

#include "document/doc.h"
#include "full_tables.h"
#include "testkit/temp_dir.h"

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

} // namespace

int main()
{
    const tarvo::test::TempDir folder;
    const std::string path = folder.file("13-tables.tvo");

    DocumentNumberPool pool;
    auto number = pool.take();
    CS1_Doc doc(std::move(*number), 0);
    doc.newDocument(tarvo::bench::fullTables(kTables), nullptr);

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

    const double openMs = medianMs(opens);
    const double saveMs = medianMs(saves);
    std::printf("document: %d tables, %ju bytes\n", kTables, static_cast<std::uintmax_t>(bytes));
    std::printf("document: open %.2f ms (goal %.0f ms, ratio %.3f)\n", openMs, kGoalMs, openMs / kGoalMs);
    std::printf("document: save %.2f ms (goal %.0f ms, ratio %.3f)\n", saveMs, kGoalMs, saveMs / kGoalMs);
    return 0;
}
