#pragma once
// What the document commands share: opening a document and reporting a
// document failure as the tool's one error line.

#include "document/doc.h"

#include <memory>
#include <string>

namespace tarvo::cli {

// A message on one line: line breaks become blanks, runs of them one.
std::string oneLine(const std::u16string& message);
std::string oneLine(const messages::Message& message);
// Prints "tarvo: <path>: <message>" and returns kExitFileError.
int failDocument(const document::DocResult& result, const std::string& fallbackWhat);
// Opens path; on failure prints the error and returns null.
std::unique_ptr<document::CS1_Doc> openForCommand(document::DocumentNumberPool& pool,
                                                  const std::string& path);

} // namespace tarvo::cli
