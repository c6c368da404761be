// The sections that come only from a keyboard's image: products,
// miscellaneous strings, error messages and user functions.
#include "model/lang_table.h"

#include "model/keyboard_fonts.h"

#include <iterator>
#include <new>

namespace tarvo::model {
namespace {

// Overwrites an existing entry of a side list; the setters never grow one.
template <typename T> bool overwriteEntry(std::vector<T>& list, int index, const T& value)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return false;
    try {
        list[static_cast<std::size_t>(index)] = value;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

template <typename T> const T* entryAt(const std::vector<T>& list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

} // namespace

void CS1_LangTable::SetProduct(int index, const Product& product)
{
    const std::size_t p = layout::productOffset(index);
    WriteField(product.text1, layout::kProductText, p);
    // Font 5's first text fills the record's text room.
    if (!KeyboardFonts::isTwoByte(m_font))
        WriteField(product.text2, layout::kProductText, p + layout::kProductSecondTextOffset);
    SetByte(p + layout::kProductValue1Offset, product.value1);
    SetByte(p + layout::kProductValue2Offset, product.value2);
}

Product CS1_LangTable::GetProduct(int index) const
{
    const std::size_t p = layout::productOffset(index);
    Product product;
    product.text1 = ReadField(layout::kProductText, p);
    product.text2 = ReadField(layout::kProductText, p + layout::kProductSecondTextOffset);
    product.value1 = GetByte(p + layout::kProductValue1Offset);
    product.value2 = GetByte(p + layout::kProductValue2Offset);
    return product;
}

bool CS1_LangTable::SetMisc20(int index, const std::u16string& text, const MiscStringInfo& info)
{
    WriteField(text, layout::kMisc20Text, layout::misc20Offset(index));
    return overwriteEntry(m_misc20Info, index, info);
}

bool CS1_LangTable::GetMisc20(int index, std::u16string& text, MiscStringInfo& info) const
{
    text = ReadField(layout::kMisc20Text, layout::misc20Offset(index));
    const MiscStringInfo* found = entryAt(m_misc20Info, index);
    if (!found)
        return false;
    info = *found;
    return true;
}

bool CS1_LangTable::SetMisc10(int index, const std::u16string& text, const MiscStringInfo& info)
{
    WriteField(text, layout::kMisc10Text, layout::misc10Offset(index));
    return overwriteEntry(m_misc10Info, index, info);
}

bool CS1_LangTable::GetMisc10(int index, std::u16string& text, MiscStringInfo& info) const
{
    text = ReadField(layout::kMisc10Text, layout::misc10Offset(index));
    const MiscStringInfo* found = entryAt(m_misc10Info, index);
    if (!found)
        return false;
    info = *found;
    return true;
}

bool CS1_LangTable::SetErrorMessage(int index, const ErrorMessage& message, const std::u16string& name)
{
    const std::size_t e = layout::errorMessageOffset(index);
    for (int v = 0; v < layout::kRecordValueCount; ++v)
        SetByte(e + static_cast<std::size_t>(v), message.values[v]);
    WriteField(message.line1, layout::kErrorLine, e + layout::kErrorLine1Offset);
    // Font 5 has one line of 8 characters in the room of the first.
    if (!KeyboardFonts::isTwoByte(m_font))
        WriteField(message.line2, layout::kErrorLine, e + layout::kErrorLine2Offset);
    return overwriteEntry(m_errorMessageNames, index, name);
}

void CS1_LangTable::GetErrorMessage(int index, ErrorMessage& message, std::u16string& name) const
{
    const std::size_t e = layout::errorMessageOffset(index);
    for (int v = 0; v < layout::kRecordValueCount; ++v)
        message.values[v] = GetByte(e + static_cast<std::size_t>(v));
    message.line1 = ReadField(layout::kErrorLine, e + layout::kErrorLine1Offset);
    message.line2 = KeyboardFonts::isTwoByte(m_font)
                        ? std::u16string()
                        : ReadField(layout::kErrorLine, e + layout::kErrorLine2Offset);
    const std::u16string* found = entryAt(m_errorMessageNames, index);
    name = found ? *found : std::u16string();
}

bool CS1_LangTable::SetUserFunction(int index, const UserFunction& function, const std::u16string& name)
{
    const std::size_t u = layout::userFunctionOffset(index);
    for (int v = 0; v < layout::kRecordValueCount; ++v)
        SetByte(u + static_cast<std::size_t>(v), function.values[v]);
    const std::u16string* texts[] = {&function.text1, &function.text2, &function.text3};
    for (std::size_t t = 0; t < std::size(texts); ++t)
        WriteField(*texts[t], layout::kUserFunctionText, u + layout::kUserFunctionTextOffsets[t]);
    return overwriteEntry(m_userFunctionNames, index, name);
}

void CS1_LangTable::GetUserFunction(int index, UserFunction& function, std::u16string& name) const
{
    const std::size_t u = layout::userFunctionOffset(index);
    for (int v = 0; v < layout::kRecordValueCount; ++v)
        function.values[v] = GetByte(u + static_cast<std::size_t>(v));
    std::u16string* texts[] = {&function.text1, &function.text2, &function.text3};
    for (std::size_t t = 0; t < std::size(texts); ++t)
        *texts[t] = ReadField(layout::kUserFunctionText, u + layout::kUserFunctionTextOffsets[t]);
    const std::u16string* found = entryAt(m_userFunctionNames, index);
    name = found ? *found : std::u16string();
}

} // namespace tarvo::model
