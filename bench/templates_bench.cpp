// Times the building of new language tables from the shipped template (read
// from disk, parsed, tables made) and from a ten-table template made of its
// blocks, and prints the medians against the goal of 20 ms for ten tables.

#include "templates/template_catalogue.h"
#include "templates/template_parser.h"
#include "templates/template_text_file.h"
#include "templates/utf_text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr double kGoalMs = 20.0;
constexpr std::size_t kGoalTables = 10;
constexpr int kRuns = 21;

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

[[noreturn]] void fail(const tarvo::templates::TemplateError& e)
{
    std::fprintf(stderr, "bench_templates: %s:%d:%d: %s\n", e.path.c_str(), e.line, e.column,
                 tarvo::templates::utf16ToUtf8(e.summary.text()).c_str());
    std::exit(1);
}

template <typename Parse> double timeParse(Parse parse, std::size_t& tableCount)
{
    std::vector<double> samples;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        tableCount = parse();
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    return medianMs(samples);
}

// The shipped template's text with its table blocks repeated up to count
// tables: the block text between the first table keyword and the end keyword.
std::vector<std::uint8_t> repeatedBlocks(const std::vector<std::uint8_t>& bytes, std::size_t blocks,
                                         std::size_t count)
{
    std::u16string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    const std::size_t first = text.find(u"START_TABLE_DATA_CODE");
    const std::size_t end = text.find(u"ENDFILE_DATA_CODE");
    if (first == std::u16string::npos || end == std::u16string::npos || blocks == 0) {
        std::fprintf(stderr, "bench_templates: the shipped template has no table blocks\n");
        std::exit(1);
    }
    const std::u16string body = text.substr(first, end - first);
    std::u16string out = text.substr(0, first);
    for (std::size_t made = 0; made < count; made += blocks)
        out += body;
    out += u"ENDFILE_DATA_CODE\r\n\r\n";
    std::vector<std::uint8_t> result = {0xFF, 0xFE};
    for (const char16_t c : out) {
        result.push_back(static_cast<std::uint8_t>(c & 0xFF));
        result.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return result;
}

} // namespace

int main()
{
    const std::string path = std::string(TARVO_SOURCE_DIR) + "/data/templates/Standard.LT3";

    std::size_t shippedTables = 0;
    const double shippedMs = timeParse(
        [&] {
            auto result = tarvo::templates::buildTablesFromTemplate(path);
            if (!result.ok)
                fail(*result.error);
            return result.tables.size();
        },
        shippedTables);

    std::vector<std::uint8_t> bytes;
    if (auto e = tarvo::templates::readTemplateBytes(path, bytes))
        fail(*e);
    const std::vector<std::uint8_t> ten = repeatedBlocks(bytes, shippedTables, kGoalTables);
    std::size_t tenTables = 0;
    const double tenMs = timeParse(
        [&] {
            tarvo::templates::CTemplateReader reader;
            tarvo::templates::TableList tables;
            if (!reader.ParseTemplateData(path, ten, tables))
                fail(*reader.Error());
            return tables.size();
        },
        tenTables);

    std::printf("shipped template (%zu tables): %.2f ms per template, %.2f ms per table\n", shippedTables,
                shippedMs, shippedMs / static_cast<double>(shippedTables));
    std::printf("%zu-table template: %.2f ms per template; goal %.0f ms; ratio to goal %.3f\n", tenTables,
                tenMs, kGoalMs, tenMs / kGoalMs);
    return 0;
}
