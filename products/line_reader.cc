#include "products/line_reader.h"

#include <cstring>

#include "common/text.h"

namespace {

// Large reads keep the cost per byte low; the buffer is the reader's whole
// memory. Kept under the allocator's 64 KiB mark, past which each release
// sweeps its small free blocks: a reader is made for every archived file.
constexpr std::size_t kBufferSize = std::size_t{32} << 10;
static_assert(kBufferSize > 2 * kMaxLineLength);

std::string_view WithoutCarriageReturns(const char* begin, const char* end) {
  while (end != begin && end[-1] == '\r') --end;
  return {begin, static_cast<std::size_t>(end - begin)};
}

// The last line feed in [begin, end), or null.
const char* LastFeed(const char* begin, const char* end) {
  while (end != begin)
    if (*--end == '\n') return end;
  return nullptr;
}

}  // namespace

LineReader::LineReader(std::FILE* file)
    : file_(file),
      buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {
  // The reader's buffer is the only one: the stream's own would be a second
  // copy, and sizing it costs a call on every file.
  std::setvbuf(file_, nullptr, _IONBF, 0);
}

bool LineReader::Refill() {
  if (ended_) return false;
  std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  const std::size_t wanted = kBufferSize - end_;
  const std::size_t got = std::fread(buffer_.get() + end_, 1, wanted, file_);
  end_ += got;
  // A read short of what was asked ends at the file's end or an error: no
  // further read is tried.
  if (got < wanted) {
    ended_ = true;
    failed_ = std::ferror(file_) != 0;
  }
  return got != 0;
}

bool LineReader::NextRaw(Line& line) {
  line = Line{};
  for (;;) {
    const char* begin = buffer_.get() + begin_;
    const char* end = buffer_.get() + end_;
    const void* feed = std::memchr(begin, '\n', end - begin);
    if (feed != nullptr) {
      const char* lineEnd = static_cast<const char*>(feed);
      begin_ += lineEnd - begin + 1;
      if (static_cast<std::size_t>(lineEnd - begin) > kMaxLineLength) {
        line.overlong = true;
        return true;
      }
      line.text = WithoutCarriageReturns(begin, lineEnd);
      return true;
    }
    if (end_ - begin_ > kMaxLineLength) {
      // No line end within reach: pass over the rest of this line.
      line.overlong = true;
      for (;;) {
        begin_ = end_;
        if (!Refill()) return !failed_;
        const char* from = buffer_.get();
        const void* next = std::memchr(from, '\n', end_);
        if (next != nullptr) {
          begin_ = static_cast<const char*>(next) - from + 1;
          return true;
        }
      }
    }
    if (!Refill()) {
      if (failed_ || begin_ == end_) return false;
      // The last line, without a line feed.
      line.text =
          WithoutCarriageReturns(buffer_.get() + begin_, buffer_.get() + end_);
      begin_ = end_;
      return true;
    }
  }
}

bool LineReader::SkipToLineEndingIn(std::string_view ending) {
  for (;;) {
    const char* base = buffer_.get();
    // Only whole lines are searched: up to the last line feed read, or to
    // the end once the file has none left.
    std::size_t limit = begin_;
    if (ended_) {
      limit = end_;
    } else if (const char* feed = LastFeed(base + begin_, base + end_)) {
      limit = feed - base + 1;
    }
    // Each line holding the ending's first character is a candidate; the
    // search goes on after its end.
    std::size_t from = begin_;
    while (from < limit) {
      const void* found = std::memchr(base + from, ending[0], limit - from);
      if (!found) break;
      const char* at = static_cast<const char*>(found);
      const char* feed = LastFeed(base + begin_, at);
      const char* lineStart = feed ? feed + 1 : base + begin_;
      const void* next = std::memchr(at, '\n', base + limit - at);
      const char* lineEnd =
          next ? static_cast<const char*>(next) : base + limit;
      from = lineEnd - base + 1;
      // Blanks take in the carriage returns before the line feed.
      if (!TrimBlanks(
               {lineStart, static_cast<std::size_t>(lineEnd - lineStart)})
               .ends_with(ending))
        continue;
      if (lineStart != base + begin_) atStart_ = false;
      begin_ = lineStart - base;
      return true;
    }
    if (limit > begin_) {
      atStart_ = false;
      begin_ = limit;
    }
    if (end_ - begin_ > kMaxLineLength) return true;  // an overlong line
    // At the end, what is left is searched once more as the last line.
    if (!Refill() && (failed_ || begin_ == end_)) return false;
  }
}

bool LineReader::Next(Line& line) {
  if (!NextRaw(line)) return false;
  // A byte-order mark, as some editors save text, is no part of the line.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (atStart_ && line.text.starts_with(kByteOrderMark))
    line.text.remove_prefix(kByteOrderMark.size());
  atStart_ = false;
  return true;
}
