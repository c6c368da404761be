#pragma once
// Where everything lies in a language table's 65,536-byte image, how much
// room each region has, and how wide each text field is in each font.

#include <cstddef>

namespace tarvo::model::layout {

// Two-byte values are stored high byte first.
inline constexpr int kByteMask = 0xFF;
inline constexpr int kBitsPerByte = 8;

// Header.
inline constexpr std::size_t kSchemaOffset = 0;
inline constexpr std::size_t kFriendlyNameOffset = 1;
inline constexpr std::size_t kFontSlotOffset = 21;

// Products: 14 records of 22 bytes, record i at 22 * (i + 1).
inline constexpr int kProductCount = 14;
inline constexpr std::size_t kProductRecordBytes = 22;
inline constexpr std::size_t kProductSecondTextOffset = 10;
inline constexpr std::size_t kProductValue1Offset = 20;
inline constexpr std::size_t kProductValue2Offset = 21;
inline constexpr std::size_t productOffset(int index)
{
    return kProductRecordBytes * static_cast<std::size_t>(index + 1);
}

// Metadata block.
inline constexpr std::size_t kFontOffset = 330;
inline constexpr std::size_t kVersionCodeOffset = 331;
inline constexpr std::size_t kReadOnlyOffset = 332;
inline constexpr std::size_t kFirmwareMajorOffset = 333;
inline constexpr std::size_t kFirmwareMinorOffset = 334;
inline constexpr std::size_t kLanguageIdOffset = 335;

// Miscellaneous strings.
inline constexpr std::size_t kMisc20Offset = 512;
inline constexpr std::size_t kMisc20Bytes = 20;
inline constexpr int kMisc20Count = 153;
inline constexpr std::size_t kMisc10Offset = 3584;
inline constexpr std::size_t kMisc10Bytes = 10;
inline constexpr int kMisc10Count = 51;
inline constexpr std::size_t misc20Offset(int index)
{
    return kMisc20Offset + kMisc20Bytes * static_cast<std::size_t>(index);
}
inline constexpr std::size_t misc10Offset(int index)
{
    return kMisc10Offset + kMisc10Bytes * static_cast<std::size_t>(index);
}

// Error messages: four values, then two 20-byte lines.
inline constexpr std::size_t kErrorMessageOffset = 4096;
inline constexpr std::size_t kErrorMessageBytes = 44;
inline constexpr int kErrorMessageCount = 93;
inline constexpr std::size_t kErrorLine1Offset = 4;
inline constexpr std::size_t kErrorLine2Offset = 24;
inline constexpr std::size_t errorMessageOffset(int index)
{
    return kErrorMessageOffset + kErrorMessageBytes * static_cast<std::size_t>(index);
}

// User functions: four values, then three 20-byte texts.
inline constexpr std::size_t kUserFunctionOffset = 8192;
inline constexpr std::size_t kUserFunctionBytes = 64;
inline constexpr int kUserFunctionCount = 128;
inline constexpr std::size_t kUserFunctionTextOffsets[3] = {4, 24, 44};
inline constexpr std::size_t userFunctionOffset(int index)
{
    return kUserFunctionOffset + kUserFunctionBytes * static_cast<std::size_t>(index);
}

// Both kinds of record start with four one-byte values.
inline constexpr int kRecordValueCount = 4;

// Softkey menus: 96 blocks of 512 bytes from 16384, entries 1-14 of 36 bytes.
inline constexpr std::size_t kMenuRegionOffset = 16384;
inline constexpr std::size_t kMenuBlockBytes = 512;
inline constexpr int kMenuCount = 96;
inline constexpr int kFirstEntry = 1;
inline constexpr int kEntriesPerMenu = 14;
inline constexpr int kEntriesPerColumn = 7;
inline constexpr std::size_t kEntryBytes = 36;
inline constexpr int kMainCclMenu = 80;
inline constexpr int kFirstSubCclMenu = 81;
inline constexpr int kLastScriptMenu = 95;
// Entry n (1-14) of menu m; entry 1 is the block's first byte.
inline constexpr std::size_t menuEntryOffset(int menu, int entry)
{
    return kMenuRegionOffset - kEntryBytes + kMenuBlockBytes * static_cast<std::size_t>(menu) +
           kEntryBytes * static_cast<std::size_t>(entry);
}
inline constexpr std::size_t kEntryLine2Offset = 10;
inline constexpr std::size_t kEntryLine3Offset = 20;
inline constexpr std::size_t kEntryByte30Offset = 30;
inline constexpr std::size_t kEntryActionKindOffset = 31;
inline constexpr std::size_t kEntryValueAOffset = 32;
inline constexpr std::size_t kEntryValueBOffset = 34;

// A text field: its width in characters for the one-byte fonts and for the
// two-byte font 5 (whose fields hold fewer, wider characters).
struct TextField {
    int characters;
    int charactersFont5;
};

inline constexpr TextField kFriendlyName{20, 8};
inline constexpr TextField kProductText{10, 4};
inline constexpr TextField kMisc20Text{20, 8};
inline constexpr TextField kMisc10Text{10, 4};
inline constexpr TextField kErrorLine{20, 8};
inline constexpr TextField kUserFunctionText{20, 8};
inline constexpr TextField kMenuEntryText{10, 4};

} // namespace tarvo::model::layout
