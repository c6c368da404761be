// Times a dump of eight full tables to a file, as the Debug menu's dialogs and
// `tarvo dump` write it, and prints the median against the goal of 50 ms.

#include "export/table_dump.h"
#include "model/lang_table.h"
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

constexpr double kGoalMs = 50.0;
constexpr int kRuns = 15;

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double timeDump(tarvo::dump::TableList tables, const tarvo::dump::DumpRequest& request)
{
    std::vector<double> samples;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const tarvo::dump::DumpResult result = tarvo::dump::writeDump(tables, request);
        const auto end = std::chrono::steady_clock::now();
        if (!result.ok) {
            std::fprintf(stderr, "bench_export: %s\n", result.message.c_str());
            std::exit(1);
        }
        samples.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    return medianMs(samples);
}

} // namespace

int main()
{
    std::vector<std::unique_ptr<tarvo::model::CS1_LangTable>> owned;
    std::vector<const tarvo::model::CS1_LangTable*> tables;
    for (int t = 0; t < tarvo::dump::kPositionCount; ++t) {
        auto table = std::make_unique<tarvo::model::CS1_LangTable>();
        table->Init();
        for (std::size_t i = 0; i < tarvo::model::kImageBytes; ++i)
            table->SetByte(i, static_cast<int>((i * 13 + static_cast<std::size_t>(t)) & 0xFF));
        tables.push_back(table.get());
        owned.push_back(std::move(table));
    }

    const tarvo::test::TempDir folder;
    tarvo::dump::DumpRequest request;
    request.positions = tarvo::dump::autoSetPositions(tarvo::dump::kPositionCount);
    request.outputPath = folder.file("tables.s19");
    const double srecMs = timeDump(tables, request);
    request.type = tarvo::dump::DumpType::BlockMemoryMap;
    request.outputPath = folder.file("tables.mmb");
    const double mapMs = timeDump(tables, request);

    std::printf("export: S-record dump of 8 tables: %.2f ms (goal %.0f ms, ratio %.3f)\n", srecMs, kGoalMs,
                srecMs / kGoalMs);
    std::printf("export: block memory map of 8 tables: %.2f ms (goal %.0f ms, ratio %.3f)\n", mapMs, kGoalMs,
                mapMs / kGoalMs);
    return 0;
}
