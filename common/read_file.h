#ifndef ORVANNE_COMMON_READ_FILE_H_
#define ORVANNE_COMMON_READ_FILE_H_

#include <string>

// Reads the whole file `path` into `text`, in few large reads. False when
// it cannot be opened or read to its end (a folder, on some systems).
bool ReadWholeFile(const std::string& path, std::string* text);

#endif  // ORVANNE_COMMON_READ_FILE_H_
