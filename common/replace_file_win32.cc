#include <windows.h>

#include "common/replace_file_port.h"

// An interrupted program (Ctrl+C, the console window closed) does not
// remove its temporary here: it keeps its ".orvanne-" name and never stands
// in for the file.

namespace {

HANDLE HandleOf(const TemporaryFile& file) {
  return reinterpret_cast<HANDLE>(file.handle);
}

void CloseTemporary(TemporaryFile* file) {
  if (file->handle != -1) CloseHandle(HandleOf(*file));
  file->handle = -1;
}

}  // namespace

CreateOutcome CreateTemporary(const std::string& path, TemporaryFile* file) {
  // Shared, so that the text stream can open it by its name too.
  const HANDLE handle =
      CreateFileA(path.c_str(), GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS
               ? CreateOutcome::kNameTaken
               : CreateOutcome::kFailed;
  }
  file->path = path;
  file->handle = reinterpret_cast<std::intptr_t>(handle);
  return CreateOutcome::kCreated;
}

// A new file's attributes are the folder's defaults; a read-only file is
// not replaced at all (the rename refuses it).
bool FinishTemporary(TemporaryFile* file, const std::string&, bool flush) {
  const bool flushed = !flush || FlushFileBuffers(HandleOf(*file)) != 0;
  CloseTemporary(file);
  return flushed;
}

bool MoveTemporary(TemporaryFile* file, const std::string& target,
                   bool flush) {
  const DWORD through = flush ? MOVEFILE_WRITE_THROUGH : 0;
  return MoveFileExA(file->path.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | through) != 0;
}

void DiscardTemporary(TemporaryFile* file) {
  CloseTemporary(file);
  DeleteFileA(file->path.c_str());
}

std::string LastSystemError() {
  char words[256] = {};
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      GetLastError(), 0, words, sizeof words, nullptr);
  std::string text(words, length);
  // The system ends its words with a full stop and a line end.
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' ||
                           text.back() == '.'))
    text.pop_back();
  return text.empty() ? "system error" : text;
}

bool MayWriteExisting(const std::string& path, std::string* reason) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & FILE_ATTRIBUTE_READONLY))
    return true;
  *reason = "the file is read-only";
  return false;
}
