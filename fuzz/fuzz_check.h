#ifndef ORVANNE_FUZZ_FUZZ_CHECK_H_
#define ORVANNE_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

// A property every input must keep. Aborts when it does not, so libFuzzer
// and the replay both count the input as a failure. Stays on in every build.
#define FUZZ_CHECK(condition)                                               \
  do {                                                                      \
    if (!(condition)) {                                                     \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, \
                   #condition);                                             \
      std::abort();                                                         \
    }                                                                       \
  } while (false)

#endif  // ORVANNE_FUZZ_FUZZ_CHECK_H_
