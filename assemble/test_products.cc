#include "assemble/test_products.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

bool IsExtended(const std::string& model) {
  return model == "GFSX" || model == "MRF";
}

std::string Field(int value, const char* format = "%3d") {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Padded(const std::string& word, std::size_t width) {
  return std::string(width > word.size() ? width - word.size() : 0, ' ') + word;
}

// A short-range row of 21 columns; `value(c)` is empty for a blank column.
template <typename Value>
std::string ShortRow(const std::string& label, Value value) {
  std::string row = " " + label + " ";
  for (int c = 0; c < 21; ++c) row += Padded(value(c), 3);
  while (!row.empty() && row.back() == ' ') row.pop_back();
  return row + "\n";
}

// An extended row of 15 columns with a separator after the 1st and every
// second one after it.
template <typename Value>
std::string ExtendedRow(const std::string& label, Value value) {
  std::string row = " " + label + " " + Padded(value(1), 3) + "|";
  for (int c = 2; c <= 15; c += 2) {
    row += Padded(value(c), 3) + " " + Padded(value(c + 1), 3);
    if (c + 1 < 15) row += "|";
  }
  return row + "\n";
}

// Columns 6, 10, 14 and 18 of a short-range row: the 12 and 00 UTC ones.
int SparseIndex(int column) {
  return column >= 6 && column <= 18 && (column - 6) % 4 == 0 ? (column - 6) / 4
                                                              : -1;
}

std::string Header(const TestBlock& block) {
  return block.station + "   " + block.model + " MOS GUIDANCE" +
         std::string(block.model.size() < 5 ? 6 - block.model.size() : 1, ' ') +
         block.date + "  " + block.cycle + " UTC\n";
}

std::string ShortRows(const TestBlock& b) {
  const int base = b.base;
  auto number = [](int value) { return Field(value, "%d"); };
  auto twoDigits = [](int value) { return Field(value, "%02d"); };
  std::string rows =
      " DT /DEC   8            /DEC   9                /DEC  10          /\n"
      " HR   18 21 00 03 06 09 12 15 18 21 00 03 06 09 12 15 18 21 00 03 06"
      "\n";
  auto sparse = [&](int c, int value) {
    return SparseIndex(c) < 0 ? std::string() : number(value);
  };
  const std::array<std::pair<std::string, std::string>, 9> all{{
      {"N/X",
       ShortRow("N/X",
                [&](int c) { return sparse(c, base + 3 * SparseIndex(c)); })},
      {"TMP", ShortRow("TMP", [&](int c) { return number(base + c % 5); })},
      {"DPT",
       ShortRow("DPT", [&](int c) { return number(base - 10 + c % 7); })},
      {"CLD",
       ShortRow("CLD",
                [&](int c) {
                  static const char* kWords[] = {"CL", "FW", "SC", "BK", "OV"};
                  return std::string(kWords[(base + c) % 5]);
                })},
      {"WDR",
       ShortRow("WDR", [&](int c) { return twoDigits((base + c) % 36 + 1); })},
      {"WSP",
       ShortRow("WSP", [&](int c) { return twoDigits((base / 3 + c) % 25); })},
      {"P06",
       ShortRow("P06",
                [&](int c) { return c % 2 == 1 ? number(5 * (c % 4)) : ""; })},
      {"P12", ShortRow("P12",
                       [&](int c) {
                         return sparse(c, (base + 10 * SparseIndex(c)) % 100);
                       })},
      {"POZ", ShortRow("POZ", [&](int c) { return number(c % 7); })},
  }};
  for (const auto& [label, row] : all)
    if (std::find(b.leftOut.begin(), b.leftOut.end(), label) == b.leftOut.end())
      rows += row;
  return rows;
}

std::string ExtendedRows(const TestBlock& b) {
  const int base = b.base;
  auto number = [](int value) { return Field(value, "%d"); };
  std::string rows =
      " FHR  24| 36  48| 60  72| 84  96|108 120|132 144|156 168|180 192\n"
      " TUE  08| WED 09| THU 10| FRI 11| SAT 12| SUN 13| MON 14|TUE CLIMO\n";
  std::string p24 = " P24    |";
  for (int j = 0; j < 7; ++j)
    p24 += Padded(number((base + 5 * j) % 100), 7) + (j < 6 ? "|" : "");
  const std::array<std::pair<std::string, std::string>, 7> all{{
      {"X/N", ExtendedRow("X/N", [&](int c) { return number(base + c); })},
      {"TMP", ExtendedRow("TMP", [&](int c) { return number(base + c - 2); })},
      {"DPT", ExtendedRow("DPT", [&](int c) { return number(base - 10 + c); })},
      {"CLD", ExtendedRow("CLD",
                          [&](int c) {
                            static const char* kWords[] = {"CL", "PC", "OV"};
                            return std::string(kWords[(base + c) % 3]);
                          })},
      {"WND",
       ExtendedRow("WND", [&](int c) { return number((base / 3 + c) % 25); })},
      {"P24", p24 + "\n"},
      {"PZP", ExtendedRow("PZP", [&](int c) { return number(c % 6); })},
  }};
  for (const auto& [label, row] : all)
    if (std::find(b.leftOut.begin(), b.leftOut.end(), label) == b.leftOut.end())
      rows += row;
  return rows;
}

std::string WithLineEnds(const std::string& text, const std::string& lineEnd) {
  if (lineEnd == "\n") return text;
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n')
      out += lineEnd;
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string TestBlock::Text() const {
  return Header(*this) +
         (IsExtended(model) ? ExtendedRows(*this) : ShortRows(*this));
}

std::vector<TestBlock> BlocksFor(const std::vector<std::string>& stations,
                                 const std::string& model,
                                 const std::string& cycle, int base,
                                 const std::string& date) {
  std::vector<TestBlock> blocks;
  for (const std::string& station : stations) {
    TestBlock block;
    block.station = station;
    block.model = model;
    block.date = date;
    block.cycle = cycle;
    block.base = base++;
    blocks.push_back(block);
  }
  return blocks;
}

const std::vector<std::string> kProductStations{"KAAB", "KBKX", "KCRL", "KFSD",
                                                "KHON", "KMHE", "KZZZ"};

std::string Product(const std::vector<TestBlock>& blocks,
                    const std::string& lineEnd) {
  std::string text = "\x01\n849 \nFOUS45 KORV 081200\nTESTPR\n";
  for (const TestBlock& block : blocks) {
    text += '\x1e';
    text += block.Text();
    text += '\n';
  }
  text += " \x03\n";
  return WithLineEnds(text, lineEnd);
}

std::string TestProducts::Bulletin() const {
  std::string text;
  for (const auto* blocks : {&primary, &secondary, &extended})
    for (const char* station : {"KBKX", "KHON", "KMHE", "KFSD"})
      for (const TestBlock& block : *blocks)
        if (block.station == station) text += block.Text() + "\n";
  return text;
}

TestProducts MakeTestProducts(const std::string& date,
                              const std::string& primaryModel,
                              const std::string& secondaryModel,
                              const std::string& extendedModel) {
  return {BlocksFor(kProductStations, primaryModel, "1200", 10, date),
          BlocksFor(kProductStations, secondaryModel, "1200", 40, date),
          BlocksFor(kProductStations, extendedModel, "0000", 70, date)};
}

std::size_t WriteLargeProduct(const std::string& path, const std::string& model,
                              const std::string& cycle, std::size_t bytes,
                              const std::string& date) {
  std::ofstream file(path, std::ios::binary);
  std::size_t written = 0;
  auto write = [&](const std::string& text) {
    file << text;
    written += text.size();
  };
  auto block = [&](const std::string& station, int base) {
    TestBlock b;
    b.station = station;
    b.model = model;
    b.cycle = cycle;
    b.date = date;
    b.base = base;
    std::string text(1, '\x1e');
    text += b.Text();
    text += '\n';
    write(WithLineEnds(text, "\r\r\n"));
  };
  write(WithLineEnds("\x01\n849 \nFOUS45 KORV 081200\nTESTPR\n", "\r\r\n"));

  // Names spread over all four-capital names, the four stations put in
  // their places among them.
  TestBlock sample;
  sample.model = model;
  const std::size_t count =
      bytes / (WithLineEnds(sample.Text(), "\r\r\n").size() + 3) + 1;
  constexpr std::size_t kNames = 26 * 26 * 26 * 26;
  const std::size_t step = std::max<std::size_t>(1, kNames / count);
  std::vector<std::string> four{"KBKX", "KFSD", "KHON", "KMHE"};
  std::size_t nextOfFour = 0;
  for (std::size_t i = 0; i < count && i * step < kNames; ++i) {
    std::string name(4, 'A');
    for (std::size_t n = i * step, at = 4; at-- > 0; n /= 26)
      name[at] = static_cast<char>('A' + n % 26);
    while (nextOfFour < four.size() && four[nextOfFour] <= name)
      block(four[nextOfFour++], 50);
    if (std::find(four.begin(), four.end(), name) == four.end())
      block(name, 20 + static_cast<int>(i % 50));
  }
  while (nextOfFour < four.size()) block(four[nextOfFour++], 50);
  write(" \x03\r\r\n");
  file.close();
  if (file.fail()) throw std::runtime_error("could not write " + path);
  return written;
}

std::string WriteManyDates(const std::vector<std::string>& paths,
                           std::size_t bytes) {
  std::vector<std::ofstream> files;
  for (const std::string& path : paths)
    files.emplace_back(path, std::ios::binary);
  std::size_t written = 0;
  int year = 2000, month = 1, day = 1;
  std::string date;
  while (written < bytes) {
    date = std::to_string(month) + "/" + Field(day, "%02d") + "/" +
           std::to_string(year);
    const TestProducts products = MakeTestProducts(date);
    std::size_t file = 0;
    for (const auto* blocks :
         {&products.primary, &products.secondary, &products.extended}) {
      const std::string text = Product(*blocks);
      files[file] << text;
      written += text.size();
      file = (file + 1) % files.size();
    }
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30,
                                    31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    if (++day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  for (std::ofstream& file : files) {
    file.close();
    if (file.fail()) throw std::runtime_error("could not write the products");
  }
  return date;
}
