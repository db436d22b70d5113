#ifndef ORVANNE_COMMON_SCAN_FILE_H_
#define ORVANNE_COMMON_SCAN_FILE_H_

#include <fstream>
#include <istream>
#include <string>
#include <string_view>

// A file opened for reading whose buffered characters the label search may
// look at directly, a window at a time, instead of one character at a time
// through the buffer's calls. It reads exactly as an std::ifstream does.

class ScanFileBuffer : public std::filebuf {
 public:
  // The characters read in and not yet taken.
  std::string_view Window() const {
    return {gptr(), static_cast<std::size_t>(egptr() - gptr())};
  }
  // Takes `count` characters of the window.
  void Take(std::size_t count) { gbump(static_cast<int>(count)); }
};

class ScanFile : public std::istream {
 public:
  explicit ScanFile(const std::string& path) : std::istream(&buffer_) {
    if (!buffer_.open(path, std::ios::in)) setstate(std::ios::failbit);
  }

 private:
  ScanFileBuffer buffer_;
};

#endif  // ORVANNE_COMMON_SCAN_FILE_H_
