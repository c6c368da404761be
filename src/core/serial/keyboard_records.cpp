#include "serial/keyboard_records.h"

#include <algorithm>

namespace tarvo::serial {

namespace {
constexpr std::size_t kInfoBlockBytes = 16;
constexpr int kThirdBlockImageOffset = 320; // block 20
} // namespace

int KeyboardId::slotCount() const
{
    switch (generation()) {
    case 0:
    case 1:
        return 5;
    case 2:
        return 13;
    default:
        return 0;
    }
}

int KeyboardId::addressModeForBootloader() const
{
    return bootloaderMajor() == 1 && bootloaderMinor() == 0 ? 1 : 2;
}

bool TableInfoBlock::setBlock(int n, std::span<const std::uint8_t> data)
{
    if (n < 0 || n >= static_cast<int>(kTableInfoBlocks.size()) || data.size() != kInfoBlockBytes)
        return false;
    std::copy(data.begin(), data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(n * kInfoBlockBytes));
    return true;
}

int TableInfoBlock::imageByte(int offset) const
{
    if (offset >= 0 && offset < 32)
        return bytes[static_cast<std::size_t>(offset)];
    if (offset >= kThirdBlockImageOffset && offset < kThirdBlockImageOffset + 16)
        return bytes[static_cast<std::size_t>(32 + offset - kThirdBlockImageOffset)];
    return -1;
}

} // namespace tarvo::serial
