#pragma once
// The code page that untagged 8-bit strings of document files are read in.
// It follows the locale the application starts with; Windows-1252 until the
// application sets another.

#include <cstdint>

namespace tarvo::document {

inline constexpr int kDefaultArchiveCodePage = 1252;

// 1250, 1251, 1252, 1253, 1254 and 1256 are known. False, and 1252 kept, for
// any other code page.
bool setArchiveCodePage(int codePage);
int archiveCodePage();

// One byte of the current code page as a UTF-16 code unit. A byte the code
// page leaves undefined keeps its value, so no byte is lost.
char16_t archiveByteToUnicode(std::uint8_t byte);

} // namespace tarvo::document
