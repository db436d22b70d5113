// The assemble command on any products. The input is split at NUL bytes
// into up to four product files, 0.txt, 1.txt and so on; when it starts
// with "@", its first line (after the "@") is the date asked for. An input
// of odd length sends the bulletin to standard output, any other to a file.
//
// A first line "!" (before the date line) asks for the blend of models'
// short-range guidance in sections 1 to 4.
//
// Whatever the products hold, the command either refuses and writes
// nothing, or writes exactly twelve blocks, each the lines of one block of
// one input file (line ends and a record separator before the header
// aside) or, where its section line says so, the eight lines translated
// from a block of the blend of models', which the bulletin's header check
// accepts.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "assemble/assemble.h"
#include "blend/validate_bulletin.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "products/issue_date.h"

namespace {

// Whether the 1200 Model's header check accepts the file.
bool IsValidBulletin(const std::string& path) {
  std::string err;
  return ValidateBulletin(path, &err);
}

constexpr std::size_t kMostFiles = 4;

// The lines of a product as the assembler copies them: without their line
// ends (a line feed and the carriage returns before it) and without a
// record separator after the leading blanks; "\n" before and after each.
std::string CopiedLines(std::string_view product) {
  std::string lines = "\n";
  while (!product.empty()) {
    const std::size_t feed = product.find('\n');
    std::string line(product.substr(0, feed));
    product.remove_prefix(feed == std::string_view::npos ? product.size()
                                                         : feed + 1);
    while (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t first = line.find_first_not_of(" \t\v\f\r");
    if (first != std::string::npos && line[first] == '\x1e')
      line.erase(first, 1);
    lines += line + "\n";
  }
  return lines;
}

// The blocks of a bulletin: each followed by one empty line, none empty.
std::vector<std::string> BulletinBlocks(std::string_view bulletin) {
  std::vector<std::string> blocks;
  while (!bulletin.empty()) {
    const std::size_t end = bulletin.find("\n\n");
    FUZZ_CHECK(end != std::string_view::npos && end > 0);
    blocks.emplace_back(bulletin.substr(0, end + 1));
    bulletin.remove_prefix(end + 2);
  }
  return blocks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  AssembleRequest request;
  if (input.starts_with("!\n")) {
    request.primaryNbm = true;
    input.remove_prefix(2);
  }
  if (input.starts_with("@")) {
    const std::size_t feed = input.find('\n');
    const std::string_view date = input.substr(1, feed - 1);
    IssueDate parsed;
    if (ParseIssueDate(date, &parsed)) request.date = parsed;
    input.remove_prefix(feed == std::string_view::npos ? input.size()
                                                       : feed + 1);
  }
  std::vector<std::string> products;
  while (products.size() + 1 < kMostFiles) {
    const std::size_t nul = input.find('\0');
    if (nul == std::string_view::npos) break;
    products.emplace_back(input.substr(0, nul));
    input.remove_prefix(nul + 1);
  }
  products.emplace_back(input);

  TempDir dir;
  for (std::size_t i = 0; i < products.size(); ++i) {
    const std::string name = std::to_string(i) + ".txt";
    request.files.push_back(WriteInput(
        dir, name, reinterpret_cast<const std::uint8_t*>(products[i].data()),
        products[i].size()));
  }
  const bool toFile = size % 2 == 0;
  if (toFile) request.output = dir.Path("out.txt");

  std::ostringstream out, err;
  std::istringstream in;
  Console console{in, out, err};
  const int status = ExitCode(RunAssemble(request, console));
  FUZZ_CHECK(status == 0 || status == 1);
  FUZZ_CHECK(!err.str().empty() && err.str().back() == '\n');
  // The inputs are never written; nothing but the bulletin is made.
  for (std::size_t i = 0; i < products.size(); ++i)
    FUZZ_CHECK(ReadFile(request.files[i]) == products[i]);
  std::size_t filesMade = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path)) {
    (void)entry;
    ++filesMade;
  }
  FUZZ_CHECK(filesMade == products.size() + (toFile && status == 0 ? 1 : 0));

  if (status == 1) {
    FUZZ_CHECK(out.str().empty());
    return 0;
  }
  const std::string bulletin = toFile ? ReadFile(request.output) : out.str();
  if (toFile) FUZZ_CHECK(out.str().empty());
  const std::vector<std::string> blocks = BulletinBlocks(bulletin);
  FUZZ_CHECK(blocks.size() == 12);
  std::vector<std::string> copied;
  for (const std::string& product : products)
    copied.push_back(CopiedLines(product));
  std::vector<std::string> sectionLines;
  std::istringstream told(err.str());
  for (std::string line; std::getline(told, line);)
    sectionLines.push_back(line);
  FUZZ_CHECK(sectionLines.size() == 12);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const std::string& block = blocks[i];
    if (sectionLines[i].ends_with(", translated")) {
      // Only sections 1 to 4, from a block of the blend of models'.
      FUZZ_CHECK(i < 4 && sectionLines[i].find(" NBM ") != std::string::npos);
      FUZZ_CHECK(std::count(block.begin(), block.end(), '\n') == 8);
      FUZZ_CHECK(block.find(" NBM NBS GUIDANCE ") != std::string::npos);
      continue;
    }
    FUZZ_CHECK(!request.primaryNbm || i >= 4);
    bool found = false;
    for (const std::string& lines : copied)
      found = found || lines.find("\n" + block) != std::string::npos;
    FUZZ_CHECK(found);
  }
  if (!toFile) {
    WriteFile(dir.Path("out.txt"), bulletin);
    request.output = dir.Path("out.txt");
  }
  FUZZ_CHECK(IsValidBulletin(request.output));
  // One line for each section.
  std::size_t lines = 0;
  for (char c : err.str()) lines += c == '\n';
  FUZZ_CHECK(lines == 12 && err.str().starts_with("section 1: "));
  return 0;
}
