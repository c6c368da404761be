#pragma once
// CS1_LangTable: one language table, its 65,536-byte keyboard image plus the
// desktop-only side collections. Callers keep offsets and indices within the
// layout (see lang_table_layout.h); still, no accessor touches a byte outside
// the Image (a document record may hold a short one): reads there give 0 and
// writes there are dropped.

#include "model/bucket_map.h"
#include "model/lang_table_layout.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tarvo::model {

inline constexpr std::size_t kImageBytes = 65536;
inline constexpr int kImageBlockBytes = 16;
inline constexpr int kImageBlocks = 4096;

struct TableHeader {
    int schema = 0;
    std::u16string friendlyName;
    int fontSlot = 0;
};

struct TableMetadata {
    int font = 0;
    int windowsLanguageId = 0;
    int versionCode = 0;
    int readOnly = 0;
    int firmwareMajor = 0;
    int firmwareMinor = 0;
    int languageId = 0;
};

struct MiscStringInfo {
    int firstValue = 0;
    int maximumLength = 0;
    int justification = 0;
    int group = 0;
    int ordinal = 0;
    std::u16string label;
};

struct Product {
    std::u16string text1;
    std::u16string text2;
    int value1 = 0;
    int value2 = 0;
};

struct ErrorMessage {
    int values[4] = {0, 0, 0, 0};
    std::u16string line1;
    std::u16string line2;
};

struct UserFunction {
    int values[4] = {0, 0, 0, 0};
    std::u16string text1;
    std::u16string text2;
    std::u16string text3;
};

// The 36-byte record of a softkey menu entry.
struct MenuEntry {
    std::u16string line1;
    std::u16string line2;
    std::u16string line3;
    int byte30 = 0;
    int actionKind = 0;
    int valueA = 0;
    int valueB = 0;
};

// Desktop-only data of one entry, keyed (menu << 16) | (entry & 0xFFFF).
struct MenuEntryInfo {
    int menu = 0;
    int entry = 0;
    int number = 0;
    std::u16string label;
    std::uint8_t edited = 0;
};

inline std::int32_t menuEntryKey(int menu, int entry)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(menu & 0xFFFF) << 16) |
                                     static_cast<std::uint32_t>(entry & 0xFFFF));
}

class CS1_LangTable {
public:
    static constexpr int kClassSchema = 3;

    CS1_LangTable() = default;
    // Copies are made with Clone (which clears the read-only flag) or CopyFrom.
    CS1_LangTable(const CS1_LangTable&) = delete;
    CS1_LangTable& operator=(const CS1_LangTable&) = delete;

    bool Init();
    bool IsValid() const { return m_valid != 0; }
    std::unique_ptr<CS1_LangTable> Clone() const;
    // An exact copy of everything, read-only flag included (working copies).
    void CopyFrom(const CS1_LangTable& other);

    // Image and bytes.
    void SetByte(std::size_t offset, int value);
    int GetByte(std::size_t offset) const;
    std::size_t ReadBytes(std::size_t offset, std::size_t count, std::uint8_t* destination) const;
    std::span<const std::uint8_t> Image() const { return m_image; }
    std::span<std::uint8_t> MutableImage() { return m_image; }
    // Replaces the image by a 65,536-byte image read from a keyboard.
    void LoadImage(std::span<const std::uint8_t> bytes);
    // Replaces the image by one of any size, as a document record may hold.
    void SetImage(std::vector<std::uint8_t> bytes) { m_image = std::move(bytes); }
    int GetFont() const { return m_font; }

    // Texts in the table's font. width in characters, byteCount in bytes.
    void WriteText(const std::u16string& text, int width, std::size_t offset);
    std::u16string ReadText(int byteCount, std::size_t offset) const;

    // Header and sections.
    bool SetHeader(const TableHeader& header, const TableMetadata& metadata);
    void GetHeader(TableHeader& header, TableMetadata& metadata) const;
    void SetProduct(int index, const Product& product);
    Product GetProduct(int index) const;
    void SetMetadataLabel(int number, const std::u16string& text);
    std::u16string GetMetadataLabel(int number) const;
    bool SetMisc20(int index, const std::u16string& text, const MiscStringInfo& info);
    bool GetMisc20(int index, std::u16string& text, MiscStringInfo& info) const;
    bool SetMisc10(int index, const std::u16string& text, const MiscStringInfo& info);
    bool GetMisc10(int index, std::u16string& text, MiscStringInfo& info) const;
    bool SetErrorMessage(int index, const ErrorMessage& message, const std::u16string& name);
    void GetErrorMessage(int index, ErrorMessage& message, std::u16string& name) const;
    bool SetUserFunction(int index, const UserFunction& function, const std::u16string& name);
    void GetUserFunction(int index, UserFunction& function, std::u16string& name) const;

    // Script menus.
    void SetMenuName(int number, const std::u16string& name);
    std::u16string GetMenuName(int number) const;
    bool SetMenuEntry(const MenuEntry& entry, const MenuEntryInfo& info, bool actionOnly);
    MenuEntry GetMenuEntry(MenuEntryInfo& info) const;
    // The entry at menu/entry and, in info, its info record placed at
    // menu/entry whatever the stored record says, so it is written back there.
    MenuEntry MenuEntryAt(int menu, int entry, MenuEntryInfo& info) const;

    // Side collections, for the table record in the document file.
    int ReadOnly() const { return m_readOnly; }
    int WindowsLanguageId() const { return m_windowsLanguageId; }
    int FirmwareMajor() const { return m_firmwareMajor; }
    int FirmwareMinor() const { return m_firmwareMinor; }
    void SetFont(int font) { m_font = font; }
    void SetWindowsLanguageId(int id) { m_windowsLanguageId = id; }
    void SetFirmware(int major, int minor)
    {
        m_firmwareMajor = major;
        m_firmwareMinor = minor;
    }
    std::u16string& SpareText() { return m_spareText; }
    const std::u16string& SpareText() const { return m_spareText; }
    BucketMap<std::u16string>& MetadataLabels() { return m_metadataLabels; }
    const BucketMap<std::u16string>& MetadataLabels() const { return m_metadataLabels; }
    std::vector<std::uint32_t>& SpareValues() { return m_spareValues; }
    const std::vector<std::uint32_t>& SpareValues() const { return m_spareValues; }
    std::vector<std::u16string>& SpareTexts() { return m_spareTexts; }
    const std::vector<std::u16string>& SpareTexts() const { return m_spareTexts; }
    BucketMap<int>& Misc20Groups() { return m_misc20Groups; }
    const BucketMap<int>& Misc20Groups() const { return m_misc20Groups; }
    BucketMap<int>& Misc10Groups() { return m_misc10Groups; }
    const BucketMap<int>& Misc10Groups() const { return m_misc10Groups; }
    std::vector<MiscStringInfo>& Misc20Info() { return m_misc20Info; }
    const std::vector<MiscStringInfo>& Misc20Info() const { return m_misc20Info; }
    std::vector<MiscStringInfo>& Misc10Info() { return m_misc10Info; }
    const std::vector<MiscStringInfo>& Misc10Info() const { return m_misc10Info; }
    std::vector<std::u16string>& ErrorMessageNames() { return m_errorMessageNames; }
    const std::vector<std::u16string>& ErrorMessageNames() const { return m_errorMessageNames; }
    std::vector<std::u16string>& UserFunctionNames() { return m_userFunctionNames; }
    const std::vector<std::u16string>& UserFunctionNames() const { return m_userFunctionNames; }
    std::vector<std::u16string>& SpareTexts2() { return m_spareTexts2; }
    const std::vector<std::u16string>& SpareTexts2() const { return m_spareTexts2; }
    BucketMap<std::u16string>& MenuNames() { return m_menuNames; }
    const BucketMap<std::u16string>& MenuNames() const { return m_menuNames; }
    BucketMap<MenuEntryInfo>& MenuEntryInfos() { return m_menuEntryInfo; }
    const BucketMap<MenuEntryInfo>& MenuEntryInfos() const { return m_menuEntryInfo; }

private:
    // The width rules of one text field in the table's font.
    int WriteWidth(const layout::TextField& field) const;
    int ReadBytes(const layout::TextField& field) const;
    void WriteField(const std::u16string& text, const layout::TextField& field, std::size_t offset);
    std::u16string ReadField(const layout::TextField& field, std::size_t offset) const;

    int m_valid = 0;
    std::vector<std::uint8_t> m_image;
    int m_font = 0;
    int m_readOnly = 0;
    int m_windowsLanguageId = 0;
    int m_firmwareMajor = 0;
    int m_firmwareMinor = 0;
    std::u16string m_spareText;
    BucketMap<std::u16string> m_metadataLabels;
    std::vector<std::uint32_t> m_spareValues;
    std::vector<std::u16string> m_spareTexts;
    BucketMap<int> m_misc20Groups;
    BucketMap<int> m_misc10Groups;
    std::vector<MiscStringInfo> m_misc20Info;
    std::vector<MiscStringInfo> m_misc10Info;
    std::vector<std::u16string> m_errorMessageNames;
    std::vector<std::u16string> m_userFunctionNames;
    std::vector<std::u16string> m_spareTexts2;
    BucketMap<std::u16string> m_menuNames;
    BucketMap<MenuEntryInfo> m_menuEntryInfo;
};

} // namespace tarvo::model
