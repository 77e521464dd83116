#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise found by a fuzz target: said aloud and ended at once, so that both
// the fuzzing engine and the replay runner count it as a failure.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
