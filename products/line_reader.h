#ifndef ORVANNE_PRODUCTS_LINE_READER_H_
#define ORVANNE_PRODUCTS_LINE_READER_H_

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

// Reads a file line by line in large reads, holding at most one buffer of
// it, whatever its size or its line lengths.

// No line of an issued product comes near this; a longer line is handed out
// as overlong, without its text.
inline constexpr std::size_t kMaxLineLength = 4096;

struct Line {
  // The line without its end: a line feed and every carriage return before
  // it (CR CR LF, CR LF and LF ends alike, mixed too). Empty when overlong.
  std::string_view text;
  // More than kMaxLineLength bytes (carriage returns included) before its
  // line feed.
  bool overlong = false;
};

class LineReader {
 public:
  // Reads `file`, which the caller opened in binary mode, has not read from,
  // and closes.
  explicit LineReader(std::FILE* file);

  // The next line; false at the end of the file or on a read error. A last
  // line without a line feed is a line; a UTF-8 byte-order mark at the
  // start of the file is passed over. `line.text` stays valid until the
  // next call.
  bool Next(Line& line);

  // Passes over the lines before the next one whose text ends in `ending`
  // and blanks, which Next then hands out; it may stop before an overlong
  // line too. False when no such line is left. A reader looking for one
  // kind of line passes over the rest at the speed of a search.
  bool SkipToLineEndingIn(std::string_view ending);

  // Whether reading stopped on an error rather than at the end.
  bool failed() const { return failed_; }

 private:
  bool NextRaw(Line& line);
  // Moves what is left to the front and reads more after it; false when
  // nothing more could be read.
  bool Refill();

  std::FILE* file_;
  // Not zeroed first: a reader made for each small file would otherwise
  // cost more in clearing than in reading.
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;  // first byte not yet handed out
  std::size_t end_ = 0;    // end of the bytes read
  bool ended_ = false;     // the file has no more bytes
  bool failed_ = false;
  bool atStart_ = true;
};

#endif  // ORVANNE_PRODUCTS_LINE_READER_H_
