#pragma once
// A table after Init, in a chosen font, whose image can be filled with a
// marker byte to show which bytes an accessor wrote.

#include "model/lang_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace tarvo::model::testing_support {

inline constexpr std::uint8_t kMarker = 0xEE;

class LangTableTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(table.Init()); }

    void fillImage(std::uint8_t value)
    {
        auto image = table.MutableImage();
        std::fill(image.begin(), image.end(), value);
    }
    // Offsets in [from, to) that no longer hold the marker.
    std::string changedBytes(std::size_t from, std::size_t to) const
    {
        std::string changed;
        for (std::size_t i = from; i < to; ++i)
            if (table.GetByte(i) != kMarker)
                changed += std::to_string(i) + " ";
        return changed;
    }
    bool allMarker(std::size_t from, std::size_t to) const { return changedBytes(from, to).empty(); }

    CS1_LangTable table;
};

} // namespace tarvo::model::testing_support
