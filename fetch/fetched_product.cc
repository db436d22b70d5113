#include "fetch/fetched_product.h"

#include <chrono>
#include <filesystem>
#include <system_error>

bool IsNotIssuedAnswer(std::string_view body) {
  return body.starts_with("ERROR: Could not Find:");
}

int CountProducts(std::string_view body) {
  int products = 0;
  std::size_t start = 0;
  while (start < body.size()) {
    std::size_t end = body.find('\n', start);
    if (end == std::string_view::npos) end = body.size();
    std::string_view line = body.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line == "\x01") ++products;
    start = end + 1;
  }
  return products;
}

std::size_t KilobytesOf(std::size_t bytes) { return (bytes + 1023) / 1024; }

bool IsFinal(const std::string& path, const IssueDate& day) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return false;
  const std::chrono::sys_days dayEnd =
      std::chrono::sys_days{std::chrono::year{day.year} /
                            static_cast<unsigned>(day.month) /
                            static_cast<unsigned>(day.day)} +
      std::chrono::days{1};
  return std::chrono::file_clock::to_sys(written) >= dayEnd;
}
