#pragma once
// A broken invariant found while fuzzing: print what broke and abort, so that
// libFuzzer keeps the input and the replay test fails.

#include <cstdio>
#include <cstdlib>

#define TARVO_FUZZ_CHECK(condition)                                                                          \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
