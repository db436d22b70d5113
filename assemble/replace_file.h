#ifndef ORVANNE_ASSEMBLE_REPLACE_FILE_H_
#define ORVANNE_ASSEMBLE_REPLACE_FILE_H_

#include <functional>
#include <ostream>
#include <string>

// Writes the file `path` whole or not at all: `write` fills a temporary
// file in the same folder (a text stream, so "\n" becomes the platform's
// line end), which is then renamed to `path`. Until the rename, a file
// already at `path` stays as it was; a failed write leaves no temporary
// file behind (a process killed while writing may, under a name of the
// form "NAME.partial-XXXXXXXX", but never a half-written `path`). A `path`
// that is a pipe or a device is refused as one that cannot be created; a
// link to a file is followed.
//
// `write` returns false when it could not write everything; a failed
// stream counts as such too. On false, `err` holds one line naming the
// bulletin `path` and saying what failed.
bool ReplaceFile(const std::string& path,
                 const std::function<bool(std::ostream&)>& write,
                 std::string* err);

#endif  // ORVANNE_ASSEMBLE_REPLACE_FILE_H_
