#ifndef ORVANNE_COMMON_REPLACE_FILE_PORT_H_
#define ORVANNE_COMMON_REPLACE_FILE_PORT_H_

#include <cstdint>
#include <string>

// The platform's part of ReplaceFile (replace_file_posix.cc or
// replace_file_win32.cc, picked by CMake): a temporary file created
// exclusively, then put in place or thrown away. One temporary at a time.

struct TemporaryFile {
  std::string path;
  std::intptr_t handle = -1;  // a file descriptor or a HANDLE, while open
};

enum class CreateOutcome { kCreated, kNameTaken, kFailed };

// Creates `path`, which must not exist yet, for writing, and keeps it open.
// While it exists, SIGINT, SIGTERM and SIGHUP remove it before they end the
// program (POSIX).
CreateOutcome CreateTemporary(const std::string& path, TemporaryFile* file);

// Gives the temporary the mode of the regular file `replaced` (or, when
// there is none, the mode a new file gets), flushes it to disk when
// `flush` and closes it. False when the flush fails.
bool FinishTemporary(TemporaryFile* file, const std::string& replaced,
                     bool flush);

// Renames the finished temporary to `target` and, when `flush`, flushes
// the folder. False, the temporary still there, when the rename fails.
bool MoveTemporary(TemporaryFile* file, const std::string& target,
                   bool flush);

// Closes the temporary when still open and removes it.
void DiscardTemporary(TemporaryFile* file);

// The system's words for the last call's failure ("No space left on
// device"), read right after it failed.
std::string LastSystemError();

// Whether this user may write the file at `path`, when one is there: a
// file the user may not open for writing is not replaced either (root
// may). False, with `reason` the system's words, when not.
bool MayWriteExisting(const std::string& path, std::string* reason);

#endif  // ORVANNE_COMMON_REPLACE_FILE_PORT_H_
