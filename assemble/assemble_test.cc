#include "assemble/assemble.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "assemble/test_products.h"
#include "blend/validate_bulletin.h"
#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

// Whether the 1200 Model's header check accepts the file.
bool IsValidBulletin(const std::string& path) {
  std::string err;
  return ValidateBulletin(path, &err);
}

struct Finished {
  int status;
  std::string out;                 // what went to standard output
  std::vector<std::string> lines;  // standard error
};

std::vector<std::string> SectionLines(const std::string& date,
                                      const std::string& primary,
                                      const std::string& secondary,
                                      const std::string& extended) {
  std::vector<std::string> lines;
  const char* stations[] = {"KBKX", "KHON", "KMHE", "KFSD"};
  const std::string* files[] = {&primary, &secondary, &extended};
  const char* models[] = {"NAM", "GFS", "GFSX"};
  const char* cycles[] = {"1200", "1200", "0000"};
  for (int section = 1; section <= 12; ++section) {
    const int group = (section - 1) / 4;
    lines.push_back("section " + std::to_string(section) + ": " +
                    stations[(section - 1) % 4] + " " + models[group] + " " +
                    date + " " + cycles[group] + " from " + *files[group]);
  }
  return lines;
}

// A copy of the blocks from a web page: no transmission lines or record
// separators, a blank before every line, a line of blanks between blocks.
std::string WebCopy(const std::vector<TestBlock>& blocks) {
  std::string web;
  for (const TestBlock& block : blocks) {
    for (const std::string& line : Lines(block.Text()))
      web += " " + line + "\n";
    web += " \n";
  }
  return web;
}

class AssembleTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    WriteFile(dir_.Path(name), text);
    return dir_.Path(name);
  }

  // The three products of `products` as three files.
  std::vector<std::string> WriteProducts(
      const TestProducts& products, const std::string& lineEnd = "\r\r\n") {
    return {Write("nam.txt", Product(products.primary, lineEnd)),
            Write("gfs.txt", Product(products.secondary, lineEnd)),
            Write("gfsx.txt", Product(products.extended, lineEnd))};
  }

  Finished Run(const std::vector<std::string>& files,
               const std::string& date = "", const std::string& output = "") {
    std::ostringstream out, err;
    std::optional<IssueDate> wanted;
    IssueDate parsed;
    if (ParseIssueDate(date, &parsed)) wanted = parsed;
    const int status = RunAssemble({files, output, wanted}, out, err);
    return {status, out.str(), Lines(err.str())};
  }

  // Runs and expects a refusal with exactly `lines`, nothing written.
  void ExpectRefused(const std::vector<std::string>& files,
                     const std::vector<std::string>& lines,
                     const std::string& date = "") {
    const Finished run = Run(files, date);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.lines, lines);
  }

  TempDir dir_;
};

TEST_F(AssembleTest, TakesTheTwelveSectionsInTheOrderOfTheBulletin) {
  const TestProducts products = MakeTestProducts();
  // Given in another order than the bulletin's, with blocks of other
  // cycles and dates that must be passed over.
  TestProducts other = MakeTestProducts("12/07/2026");
  std::vector<TestBlock> noise = other.secondary;
  for (TestBlock& block : noise) block.base += 5;
  std::vector<TestBlock> otherCycle =
      BlocksFor(kProductStations, "GFSX", "1200", 90);
  const std::vector<std::string> files = {
      Write("gfsx.txt", Product(products.extended) + Product(otherCycle)),
      Write("old.txt", Product(noise)),
      Write("gfs.txt", Product(products.secondary)),
      Write("nam.txt", Product(products.primary)),
  };
  const Finished run = Run(files);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, products.Bulletin());
  EXPECT_EQ(run.lines,
            SectionLines("12/08/2026", files[3], files[2], files[0]));

  // The bulletin starts with section 1's header, as menu entry 1 needs.
  EXPECT_TRUE(run.out.starts_with(
      "KBKX   NAM MOS GUIDANCE   12/08/2026  1200 UTC\n DT "));
  const std::string written = Write("bulletin.txt", run.out);
  EXPECT_TRUE(IsValidBulletin(written));
}

TEST_F(AssembleTest, EveryLineEndAndAWebCopyGiveTheSameBulletin) {
  const TestProducts products = MakeTestProducts();
  const std::string expected = products.Bulletin();
  for (const std::string lineEnd : {"\r\r\n", "\r\n", "\n"}) {
    const Finished run = Run(WriteProducts(products, lineEnd));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected) << "line end of " << lineEnd.size();
  }

  // Mixed in one file, and the last line without its line end.
  std::string mixed = Product(products.primary, "\r\r\n") +
                      Product(products.secondary, "\n") +
                      Product(products.extended, "\r\n");
  mixed.resize(mixed.size() - 2);
  EXPECT_EQ(Run({Write("mixed.txt", mixed)}).out, expected);

  // Copied from a web page: no transmission lines or separators, a blank
  // before every line. The blanks stay.
  const std::string web = WebCopy(products.primary) +
                          WebCopy(products.secondary) +
                          WebCopy(products.extended);
  std::string webExpected;
  for (const std::string& line : Lines(expected))
    webExpected += (line.empty() ? "" : " ") + line + "\n";
  const Finished run = Run({Write("web.txt", web)});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, webExpected);
  EXPECT_TRUE(IsValidBulletin(Write("bulletin.txt", run.out)));
}

TEST_F(AssembleTest, SeveralProductsInOneFileAndTheSameProductTwice) {
  const TestProducts products = MakeTestProducts();
  const std::string all =
      Write("all.txt", Product(products.extended) + Product(products.primary) +
                           Product(products.secondary));
  Finished run = Run({all});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, products.Bulletin());
  EXPECT_EQ(run.lines, SectionLines("12/08/2026", all, all, all));

  // The same blocks again, in other files and as a web copy with other
  // line ends: identical, so taken from where they were first found.
  const std::vector<std::string> files = {
      all, Write("again.txt", Product(products.primary, "\n")),
      Write("web.txt", WebCopy(products.secondary))};
  run = Run(files);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, products.Bulletin());
  EXPECT_EQ(run.lines, SectionLines("12/08/2026", all, all, all));
}

TEST_F(AssembleTest, TakesTheNewestCompleteDateOrTheOneAskedFor) {
  // 12/09 lacks one section; 12/08 and 12/07 are complete.
  const TestProducts day7 = MakeTestProducts("12/07/2026");
  const TestProducts day8 = MakeTestProducts("12/08/2026");
  TestProducts day9 = MakeTestProducts("12/09/2026");
  day9.extended.erase(day9.extended.begin() + 4);  // KHON
  std::string text;
  for (const TestProducts* day :
       std::initializer_list<const TestProducts*>{&day9, &day8, &day7})
    text += Product(day->primary) + Product(day->secondary) +
            Product(day->extended);
  const std::string file = Write("days.txt", text);

  Finished run = Run({file});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, day8.Bulletin());
  EXPECT_EQ(run.lines.front(),
            "section 1: KBKX NAM 12/08/2026 1200 from " + file);

  // A date is compared as a date, however it is written.
  for (const std::string date : {"12/07/2026", "12/7/2026", "12/07/2026"}) {
    run = Run({file}, date);
    EXPECT_EQ(run.status, 0) << date;
    EXPECT_EQ(run.out, day7.Bulletin()) << date;
  }
  const TestProducts early = MakeTestProducts("9/01/2020");
  const std::vector<std::string> files = WriteProducts(early);
  for (const std::string date : {"9/01/2020", "09/01/2020", "9/1/2020"}) {
    run = Run(files, date);
    EXPECT_EQ(run.status, 0) << date;
    EXPECT_EQ(run.out, early.Bulletin()) << date;
    EXPECT_EQ(run.lines.back(),
              "section 12: KFSD GFSX 9/01/2020 0000 from " + files[2]);
  }

  // Asked for, the incomplete date is refused.
  run = Run({file}, "12/9/2026");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.lines,
      std::vector<std::string>{
          "No GFSX (or MRF) guidance for KHON issued 12/09/2026 at 0000 was found."});
}

}  // namespace

namespace {

// One change to the three products of 12/08/2026 and the lines it must
// be refused with. "{nam}", "{gfs}" and "{gfsx}" stand for the files.
struct Refusal {
  const char* fault;
  void (*change)(TestProducts&);
  std::vector<std::string> lines;
};

TestBlock& Block(std::vector<TestBlock>& blocks, const std::string& station) {
  for (TestBlock& block : blocks)
    if (block.station == station) return block;
  throw std::logic_error("no block for " + station);
}

void Replace(std::string& text, const std::string& from,
             const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos;
       at += to.size())
    text.replace(at, from.size(), to);
}

const Refusal kRefusals[] = {
    {"a station left out",
     [](TestProducts& p) { p.secondary.erase(p.secondary.begin() + 4); },
     {"No issue date has all twelve sections; the newest date seen is 12/08/2026.",
      "No GFS (or AVN) guidance for KHON issued 12/08/2026 at 1200 was found."}},
    {"the extended guidance of another cycle",
     [](TestProducts& p) { Block(p.extended, "KHON").cycle = "1200"; },
     {"No issue date has all twelve sections; the newest date seen is 12/08/2026.",
      "No GFSX (or MRF) guidance for KHON issued 12/08/2026 at 0000 was found; only the 1200 cycle of the GFSX guidance was found; the 1200 Model takes its 0000 cycle."}},
    {"two other cycles, older words",
     [](TestProducts& p) {
       TestBlock block = Block(p.primary, "KFSD");
       block.model = "ETA";
       block.cycle = "0600";
       Block(p.primary, "KFSD").cycle = "1800";
       p.primary.push_back(block);
     },
     {"No issue date has all twelve sections; the newest date seen is 12/08/2026.",
      "No NAM (or ETA) or NBM guidance for KFSD issued 12/08/2026 at 1200 was found; only the 0600 and 1800 cycles of the NAM guidance were found; the 1200 Model takes its 1200 cycle."}},
    {"a row missing",
     [](TestProducts& p) { Block(p.secondary, "KMHE").leftOut = {"P12"}; },
     {"The GFS guidance for KMHE issued 12/08/2026 at 1200 has no P12 row."}},
    {"header and time lines only",
     [](TestProducts& p) {
       Block(p.primary, "KBKX").leftOut = {"N/X", "TMP", "DPT", "CLD", "WDR",
                                           "WSP", "P06", "P12", "POZ"};
     },
     {"The NAM guidance for KBKX issued 12/08/2026 at 1200 has no N/X row.",
      "The NAM guidance for KBKX issued 12/08/2026 at 1200 has no DPT row.",
      "The NAM guidance for KBKX issued 12/08/2026 at 1200 has no P12 row.",
      "The NAM guidance for KBKX issued 12/08/2026 at 1200 has no CLD row.",
      "The NAM guidance for KBKX issued 12/08/2026 at 1200 has no WDR row.",
      "The NAM guidance for KBKX issued 12/08/2026 at 1200 has no WSP row."}},
    {"extended rows missing, older word",
     [](TestProducts& p) {
       Block(p.extended, "KFSD").model = "MRF";
       Block(p.extended, "KFSD").leftOut = {"X/N", "WND"};
     },
     {"The MRF guidance for KFSD issued 12/08/2026 at 0000 has no X/N row.",
      "The MRF guidance for KFSD issued 12/08/2026 at 0000 has no WND row."}},
    {"rows missing in two sections",
     [](TestProducts& p) {
       Block(p.extended, "KBKX").leftOut = {"P24"};
       Block(p.primary, "KMHE").leftOut = {"CLD"};
     },
     {"The NAM guidance for KMHE issued 12/08/2026 at 1200 has no CLD row.",
      "The GFSX guidance for KBKX issued 12/08/2026 at 0000 has no P24 row."}},
    {"the date written two ways",
     [](TestProducts& p) { Block(p.secondary, "KFSD").date = "12/8/2026"; },
     {"The sections for 12/08/2026 write that date in two ways, 12/08/2026 and 12/8/2026; the 1200 Model needs one date word in all twelve headers."}},
    {"no date complete",
     [](TestProducts& p) {
       for (TestBlock& block : p.primary) block.date = "12/09/2026";
     },
     {"No issue date has all twelve sections; the newest date seen is 12/09/2026.",
      "No GFS (or AVN) guidance for KBKX issued 12/09/2026 at 1200 was found.",
      "No GFS (or AVN) guidance for KHON issued 12/09/2026 at 1200 was found.",
      "No GFS (or AVN) guidance for KMHE issued 12/09/2026 at 1200 was found.",
      "No GFS (or AVN) guidance for KFSD issued 12/09/2026 at 1200 was found.",
      "No GFSX (or MRF) guidance for KBKX issued 12/09/2026 at 0000 was found.",
      "No GFSX (or MRF) guidance for KHON issued 12/09/2026 at 0000 was found.",
      "No GFSX (or MRF) guidance for KMHE issued 12/09/2026 at 0000 was found.",
      "No GFSX (or MRF) guidance for KFSD issued 12/09/2026 at 0000 was found."}},
};

TEST_F(AssembleTest, RefusesWithOneLineForEachProblem) {
  for (const Refusal& refusal : kRefusals) {
    TestProducts products = MakeTestProducts();
    refusal.change(products);
    const std::vector<std::string> files = WriteProducts(products);
    std::vector<std::string> lines = refusal.lines;
    for (std::string& line : lines) {
      Replace(line, "{nam}", files[0]);
      Replace(line, "{gfs}", files[1]);
    }
    const Finished run = Run(files);
    EXPECT_EQ(run.status, 1) << refusal.fault;
    EXPECT_EQ(run.out, "") << refusal.fault;
    EXPECT_EQ(run.lines, lines) << refusal.fault;
  }
}

TEST_F(AssembleTest, RefusesTwoDifferentBlocksForOneSection) {
  const TestProducts products = MakeTestProducts();
  TestProducts changed = products;
  Block(changed.secondary, "KHON").base += 1;
  std::vector<std::string> files = WriteProducts(products);
  files.push_back(Write("gfs2.txt", Product(changed.secondary)));
  ExpectRefused(
      files,
      {"The GFS guidance for KHON issued 12/08/2026 at 1200 was found twice, in " +
       files[1] + " and in " + files[3] + ", and the two blocks differ."});
  // An older word makes another block too.
  changed = products;
  Block(changed.secondary, "KHON").model = "AVN";
  Write("gfs2.txt", Product(changed.secondary));
  ExpectRefused(
      files,
      {"The GFS guidance for KHON issued 12/08/2026 at 1200 was found twice, in " +
       files[1] + " and in " + files[3] + ", and the two blocks differ."});
}

TEST_F(AssembleTest, RefusesFilesThatCannotBeReadOrHoldNoBlock) {
  const std::vector<std::string> files = WriteProducts(MakeTestProducts());
  const std::string missing = dir_.Path("missing.txt");
  const std::string empty = Write("empty.txt", Product({}));
  std::filesystem::create_directory(dir_.Path("folder"));
  ExpectRefused(
      {files[0], missing, empty, files[1], dir_.Path("folder"), files[2]},
      {"The file " + missing + " could not be read.",
       "The file " + empty + " holds no station block.",
       "The file " + dir_.Path("folder") + " could not be read."});
}

TEST_F(AssembleTest, ABlockThatRunsOnIsRefused) {
  TestProducts products = MakeTestProducts();
  std::vector<std::string> files = WriteProducts(products);
  // 40 KB of rows under KHON's header, no empty line.
  std::string text = Product(products.primary);
  const std::string row(79, '7');
  std::string rows;
  for (int i = 0; i < 500; ++i) rows += " XYZ " + row + "\r\r\n";
  const std::string header = "KHON   NAM MOS GUIDANCE   12/08/2026  1200 UTC";
  text.insert(text.find(header) + header.size() + 3, rows);
  Write("nam.txt", text);
  ExpectRefused(
      files,
      {"The NAM guidance for KHON issued 12/08/2026 at 1200 in " + files[0] +
       " runs on past 32768 bytes; no station block is that long."});
}

TEST_F(AssembleTest, OlderModelWordsAndEitherTemperatureLabel) {
  TestProducts products = MakeTestProducts("12/08/2026", "ETA", "AVN", "MRF");
  const std::vector<std::string> files = WriteProducts(products);
  std::string nam = ReadFile(files[0]);
  Replace(nam, " N/X ", " X/N ");
  Write("nam.txt", nam);
  const Finished run = Run(files);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.lines[0],
            "section 1: KBKX ETA 12/08/2026 1200 from " + files[0]);
  EXPECT_EQ(run.lines[11],
            "section 12: KFSD MRF 12/08/2026 0000 from " + files[2]);
  EXPECT_TRUE(IsValidBulletin(Write("bulletin.txt", run.out)));
}

TEST_F(AssembleTest, TheBulletinNeverReplacesAnInputFile) {
  const std::vector<std::string> files = WriteProducts(MakeTestProducts());
  const std::string before = ReadFile(files[1]);
  std::ostringstream out, err;
  // The same file under another name.
  const std::string other = dir_.path + "/./gfs.txt";
  EXPECT_EQ(RunAssemble({files, other, {}}, out, err), 1);
  EXPECT_EQ(err.str(), "The output file " + other + " is the input file " +
                           files[1] + "; the bulletin would replace it.\n");
  EXPECT_EQ(ReadFile(files[1]), before);
}

TEST_F(AssembleTest, WhatTheCommandLineShouldHaveRefusedAndAFailedOutput) {
  const std::vector<std::string> files = WriteProducts(MakeTestProducts());
  std::ostringstream out, err;
  EXPECT_EQ(RunAssemble({{}, "", {}}, out, err), 2);
  out.setstate(std::ios::badbit);
  EXPECT_EQ(RunAssemble({files, "", {}}, out, err), 1);
  EXPECT_EQ(err.str(),
            "No product file was named.\n"
            "The bulletin could not be written to standard output.\n");
}

}  // namespace
