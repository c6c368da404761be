#pragma once
// How a whole file is read by those who open documents. The system's reader
// is the one in use; tests put in a reader that fails as the system would
// (a permission the superuser cannot be refused, say).

#include "io/atomic_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvo::io {

inline constexpr std::size_t kDefaultMaxReadBytes = std::size_t(64) << 20;

class FileReader {
public:
    virtual ~FileReader() = default;
    // As readWholeFile: out is replaced only on success.
    virtual FileResult readWhole(const std::string& path, std::vector<std::uint8_t>& out,
                                 std::size_t maxBytes = kDefaultMaxReadBytes) const = 0;
};

// The reader of the file system (readWholeFile).
const FileReader& systemFileReader();

} // namespace tarvo::io
