#pragma once
// The template and document files the tool's tests start from and check.

#include <cstdint>
#include <string>
#include <vector>

namespace tarvo::test {

// A two-table template (English in font 1, language 9; Korean in font 5, language 18).
void writeTemplate(const std::string& path);

// The images of a document's tables, in document order; empty when it does not open.
std::vector<std::vector<std::uint8_t>> documentImages(const std::string& path);

} // namespace tarvo::test
