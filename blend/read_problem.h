#ifndef ORVANNE_BLEND_READ_PROBLEM_H_
#define ORVANNE_BLEND_READ_PROBLEM_H_

#include <string>
#include <string_view>

// The one-line messages the blend readers stop with. `section` is 1 to 12.

// A row whose label was never found, or whose stored values could not all
// be read.
std::string MissingRowProblem(std::string_view label, int section);

// A cloud word outside the cloud code table of its row's layout. A long word
// is quoted by its first 32 characters and "..."; control characters are
// shown as "?".
std::string UnknownCloudProblem(std::string_view word, int section);

#endif  // ORVANNE_BLEND_READ_PROBLEM_H_
