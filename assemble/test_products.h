#ifndef ORVANNE_ASSEMBLE_TEST_PRODUCTS_H_
#define ORVANNE_ASSEMBLE_TEST_PRODUCTS_H_

// Guidance products for the assembler's tests and benchmark: station blocks
// in the short-range and extended layouts, every value derived from one
// number so that every block differs, wrapped in transmission lines.

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "assemble/assemble.h"

struct TestBlock {
  std::string station = "KBKX";
  std::string model = "NAM";  // "GFSX" and "MRF" get the extended layout
  std::string date = "12/08/2026";
  std::string cycle = "1200";
  int base = 30;  // the first temperature; every other value follows it
  std::vector<std::string> leftOut;  // labels of rows not written

  // The block's lines, header first (no blank before it), each ending in
  // "\n": what the assembler writes for it.
  // Short-range rows hold 21 columns (0 to 20): "N/X" base + 3j and "P12"
  // (base + 10j) % 100 at columns 6, 10, 14 and 18 (j = 0 to 3), "DPT"
  // base - 10 + c % 7, "WDR" (base + c) % 36 + 1, "WSP" (base / 3 + c) % 25.
  // Extended rows hold 15 columns (1 to 15): "X/N" base + c, "DPT"
  // base - 10 + c, "WND" (base / 3 + c) % 25, and "P24" (base + 5j) % 100
  // for its seven days j = 0 to 6.
  std::string Text() const;
};

// The blocks of one guidance at one date and cycle for `stations`, in that
// order, `base` growing by one from block to block.
std::vector<TestBlock> BlocksFor(const std::vector<std::string>& stations,
                                 const std::string& model,
                                 const std::string& cycle, int base,
                                 const std::string& date = "12/08/2026");

// The stations of the 1200 Model among others, in alphabetical order.
extern const std::vector<std::string> kProductStations;

// An issued product: a start of heading line, a sequence number, a heading
// line and a product line, then each block with a record separator glued to
// its header and an empty line after it, then the end of text line; every
// line ending in `lineEnd`.
std::string Product(const std::vector<TestBlock>& blocks,
                    const std::string& lineEnd = "\r\r\n");

// The blocks of three products over kProductStations, `base` starting at
// 10, 40 and 70 for the three guidances (cycles 1200, 1200, 0000).
struct TestProducts {
  std::vector<TestBlock> primary, secondary, extended;

  // What the assembler must write from them: the four stations' blocks in
  // the 1200 Model's order, each followed by an empty line.
  std::string Bulletin() const;
};
TestProducts MakeTestProducts(const std::string& date = "12/08/2026",
                              const std::string& primaryModel = "NAM",
                              const std::string& secondaryModel = "GFS",
                              const std::string& extendedModel = "GFSX");

// Writes about `bytes` of one product to `path` without holding it: blocks
// of `model` at `cycle` and `date` for thousands of stations in alphabetical
// order, the four of the 1200 Model among them. Returns the size written.
std::size_t WriteLargeProduct(const std::string& path, const std::string& model,
                              const std::string& cycle, std::size_t bytes,
                              const std::string& date = "12/08/2026");

// Writes about `bytes` of products: for one date after another from
// 1/01/2000 on, the three products of the four stations (NAM, GFS, GFSX),
// all to `paths[0]`, or, given three paths, each guidance's to its own
// file. Returns the last date written.
std::string WriteManyDates(const std::vector<std::string>& paths,
                           std::size_t bytes);

// The assembler with its bulletin to `out` and its lines to `err`.
inline int RunAssemble(const AssembleRequest& request, std::ostream& out,
                       std::ostream& err) {
  std::istringstream in;
  Console console{in, out, err};
  return ExitCode(RunAssemble(request, console));
}

#endif  // ORVANNE_ASSEMBLE_TEST_PRODUCTS_H_
