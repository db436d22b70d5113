// A whole menu session in-process. The input up to its first NUL byte is
// what is typed on the console, the rest is the one bulletin there is. Each
// "@" typed stands for the bulletin's name.
//
// The session runs in a fresh folder made its working folder, and no "/"
// can be typed (each becomes "_"), so every name typed is a file of that
// folder: the bulletin is the only file a run can read, and its report the
// only one a run can write.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/menu.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

namespace {

constexpr char kBulletinName[] = "b.txt";
constexpr char kReportName[] = "b.out";

std::string Typed(const std::uint8_t* data, std::size_t size) {
  std::string typed;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '@')
      typed += kBulletinName;
    else
      typed += c == '/' ? '_' : c;
  }
  return typed;
}

}  // namespace

// A session that neither clears nor pauses.
constexpr Screen kQuietScreen{[](std::ostream&) {}, [](std::ostream&) {}};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::size_t split = 0;
  while (split < size && data[split] != 0) ++split;
  const std::size_t bulletinStart = split < size ? split + 1 : size;

  TempDir dir;
  const std::string bulletinPath = WriteInput(
      dir, kBulletinName, data + bulletinStart, size - bulletinStart);
  const std::string bulletin = ReadFile(bulletinPath);
  {
    WorkingFolder inside(dir.path);
    std::istringstream in(Typed(data, split));
    std::ostringstream out;
    FUZZ_CHECK(RunMenu(in, out, ProgramRuns(), kQuietScreen) == 0);
  }

  // The bulletin is never written; nothing but its report is made.
  FUZZ_CHECK(ReadFile(bulletinPath) == bulletin);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path)) {
    const std::string name = entry.path().filename().string();
    FUZZ_CHECK(name == kBulletinName || name == kReportName);
  }
  return 0;
}
