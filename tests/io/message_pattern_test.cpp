// The core's one message formatter: directives take the arguments in order.
#include "io/message_pattern.h"

#include <gtest/gtest.h>

using tarvo::messages::format;

TEST(MessagePattern, FillsDirectivesInOrderAndKeepsWhatHasNoArgument)
{
    EXPECT_EQ(format(u"Error: COM %d can not be opened.", {u"3"}), u"Error: COM 3 can not be opened.");
    EXPECT_EQ(format(u"%s: '%c' (%d)", {u"a", u"b", u"98"}), u"a: 'b' (98)");
    EXPECT_EQ(format(u"100%% of %d", {u"7"}), u"100% of 7");
    // A missing argument shows as its directive; an unknown directive is text.
    EXPECT_EQ(format(u"%d of %d", {u"1"}), u"1 of %d");
    EXPECT_EQ(format(u"%x and %", {u"1"}), u"%x and %");
}
