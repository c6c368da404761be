#pragma once
// Files are written to a temporary file in the target's folder, flushed,
// closed and renamed over the target only when complete. On any failure only
// the temporary file is removed: an existing target is never touched.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::io {

struct FileResult {
    bool ok = false;
    std::string message;  // names the file and the reason when !ok
};

enum class Overwrite { Allow, Refuse };

// Writes bytes to path atomically. With Overwrite::Refuse an existing path is
// left alone and reported.
FileResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                               Overwrite overwrite = Overwrite::Allow);

// Reads a whole regular file, refusing directories and files over maxBytes.
FileResult readWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                         std::size_t maxBytes = std::size_t(64) << 20);

// True when both paths name the same existing file.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace tarvo::io
