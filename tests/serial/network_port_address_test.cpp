// Network serial addresses: what parses, its one spelling, and the reason
// given for what does not.

#include "serial/network_port_address.h"

#include <gtest/gtest.h>

using namespace tarvo::serial;

namespace {

struct AddressCase {
    const char* text;
    const char* canonical; // nullptr: refused
    const char* reason;    // part of the message when refused
};

const AddressCase kCases[] = {
    {"rfc2217://127.0.0.1:7000", "rfc2217://127.0.0.1:7000", nullptr},
    {"RFC2217://Kbd-Room3.Site.example:2001", "rfc2217://kbd-room3.site.example:2001", nullptr},
    {"rfc2217://[::1]:65535", "rfc2217://[::1]:65535", nullptr},
    {"rfc2217://127.0.0.1", nullptr, "no port number follows the host"},
    {"rfc2217://127.0.0.1:", nullptr, "no port number follows the host"},
    {"rfc2217://:7000", nullptr, "no host is given"},
    {"rfc2217://host:0", nullptr, "not between 1 and 65535"},
    {"rfc2217://host:65536", nullptr, "not between 1 and 65535"},
    {"rfc2217://host:99999999999999999999", nullptr, "not between 1 and 65535"},
    {"rfc2217://host:70a", nullptr, "is not a number"},
    {"rfc2217://host:7000/extra", nullptr, "is not a number"},
    {"rfc2217://ho st:7000", nullptr, "cannot hold ' '"},
    {"rfc2217://[::1:7000", nullptr, "no closing ]"},
    {"rfc2217://[zz]:7000", nullptr, "is not an IPv6 address"},
    {"rfc2217://[::1]7000", nullptr, "no port number follows the host"},
};

class NetworkPortAddressCase : public ::testing::TestWithParam<AddressCase> {};

TEST_P(NetworkPortAddressCase, ParsesToItsOneSpellingOrSaysWhatIsWrong)
{
    const AddressCase& c = GetParam();
    EXPECT_TRUE(isNetworkPortName(c.text));
    std::string error;
    const auto address = parseNetworkPortAddress(c.text, error);
    if (c.canonical) {
        ASSERT_TRUE(address) << error;
        EXPECT_EQ(address->text(), c.canonical);
        EXPECT_EQ(canonicalDeviceName(c.text), c.canonical);
        return;
    }
    EXPECT_FALSE(address);
    EXPECT_NE(error.find(c.text), std::string::npos) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_NE(error.find("rfc2217://HOST:PORT"), std::string::npos) << error;
    EXPECT_EQ(canonicalDeviceName(c.text), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, NetworkPortAddressCase, ::testing::ValuesIn(kCases));

TEST(NetworkPortAddress, DevicePathsAreNoNetworkNames)
{
    for (const char* path : {"/dev/ttyUSB0", "rfc2217", "tcp://host:1", "./rfc2217://x:1"}) {
        EXPECT_FALSE(isNetworkPortName(path)) << path;
        EXPECT_EQ(canonicalDeviceName(path), path);
    }
}

// The editor says what is wrong in its own language: the name typed stays
// data, the reason is a message of its own.
TEST(NetworkPortAddress, WhatIsWrongKeepsTheNameAndTheReasonApart)
{
    tarvo::messages::Message error;
    EXPECT_FALSE(parseNetworkPortAddress("rfc2217://ho\xC3\xA9st:7000", error));
    ASSERT_EQ(error.parts().size(), 1U);
    const auto& args = error.parts()[0].args;
    ASSERT_EQ(args.size(), 2U);
    EXPECT_EQ(args[0].text, u"rfc2217://ho\u00E9st:7000");
    ASSERT_TRUE(args[1].message);
    EXPECT_EQ(args[1].message->text(), u"a host name cannot hold '\u00E9'") << "the whole character";
}

} // namespace
