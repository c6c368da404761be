// GoogleTest's main with the program's state kept in a folder of its own.

#include "support/private_state.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const tarvo::test::PrivateState state;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
