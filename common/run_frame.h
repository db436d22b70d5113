#ifndef ORVANNE_COMMON_RUN_FRAME_H_
#define ORVANNE_COMMON_RUN_FRAME_H_

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

// The dialogue and file handling every run shares around its own reading
// and writing.

inline constexpr std::string_view kValidFileMessage = "You have a valid file.";

// Prints `line` and ends it (newline and flush).
void PrintLine(std::ostream& out, std::string_view line);

// Asks for the bulletin's file name and checks that the run may use it: a
// readable regular file, a name of at least three characters, and a report
// name that does not lead back to the bulletin itself. Returns false when the
// run must return at once: the reason has been printed, or the console input
// has ended (then nothing is printed).
bool AskForBulletin(std::istream& in, std::ostream& out,
                    std::string& bulletinName);

// Creates (or empties) the report named after the bulletin, lets `write` fill
// it, closes it, and only then prints `successMessage` (nothing when it is
// empty). When the report cannot be created or written, prints why instead
// and returns false.
bool WriteReport(const std::string& bulletinName, std::ostream& out,
                 std::string_view successMessage,
                 const std::function<void(std::ostream&)>& write);

#endif  // ORVANNE_COMMON_RUN_FRAME_H_
