#include "fetch/fetched_product.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "common/text.h"

bool IsNotIssuedAnswer(std::string_view body) {
  return body.starts_with("ERROR: Could not Find:");
}

int CountProducts(std::string_view body) {
  int products = 0;
  while (!body.empty())
    if (CutLine(&body) == "\x01") ++products;
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
