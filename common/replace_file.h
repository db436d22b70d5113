#ifndef ORVANNE_COMMON_REPLACE_FILE_H_
#define ORVANNE_COMMON_REPLACE_FILE_H_

#include <functional>
#include <ostream>
#include <string>

// The one way the program replaces a file: a report, a bulletin.

// How far a replaced file is made to last: flushed to disk with its folder
// (a report, a bulletin, a record), or only written whole, for a file the
// program makes again from others whenever asked (the archive's pages,
// rebuilt from the records), which a crash may leave older or empty.
enum class Durability { kFlushed, kRebuildable };

// Why a file could not be replaced; each caller words its own line.
enum class ReplaceFailure {
  kNotCreated,  // nothing could be made there: the folder refuses a new
                // file, or a folder, pipe or device stands at the path
  kNotWritten,  // writing, flushing to disk or renaming failed part way
};

// Writes the file `path` whole or not at all: `write` fills a temporary
// file of a short name (".orvanne-" and six random characters) created
// exclusively in the same folder, as a text stream (so "\n" becomes the
// platform's line end); the temporary is given the mode of the file it
// replaces (a new file gets the mode the umask leaves), flushed to disk and
// renamed to `path`, and the folder flushed after (kRebuildable: renamed
// without either flush). Until the rename, a file
// already at `path` stays as it was; a failure leaves no temporary behind,
// nor does SIGINT, SIGTERM or SIGHUP while it exists (POSIX: the temporary
// is removed, then the signal ends the program as it would have). A link
// at `path` is followed: the file it leads to is replaced, the link stays.
//
// `write` returns false when it could not write everything; a failed stream
// counts as such too. On false, `*failure` says which step failed.
//
// A file already at `path` that this user may not write is not replaced
// (kNotCreated), as opening it for writing would have refused. `reason`,
// when given, receives the system's words for a failure ("Read-only file
// system", "No space left on device", "Permission denied").
bool ReplaceFile(const std::string& path,
                 const std::function<bool(std::ostream&)>& write,
                 ReplaceFailure* failure, std::string* reason = nullptr,
                 Durability durability = Durability::kFlushed);

// `text` written whole to `path` through ReplaceFile; false with the
// system's words in `reason` when it could not be.
bool ReplaceFileWith(const std::string& path, const std::string& text,
                     std::string* reason,
                     Durability durability = Durability::kFlushed);

// True when `a` and `b` both exist and lead to one file (by links, or by a
// file system that ignores case): a write to one would replace the other.
bool IsSameFile(const std::string& a, const std::string& b);

// True when `path` exists and, following links, is neither a regular file
// nor a folder: a named pipe, a device, a socket. No report or bulletin is
// ever written to one.
bool IsPipeOrDevice(const std::string& path);

#endif  // ORVANNE_COMMON_REPLACE_FILE_H_
