#include "assemble/section_check.h"

#include <string_view>

#include "assemble/nbs_translation.h"
#include "common/console.h"
#include "common/token_reads.h"

namespace {

// Whether section `index` has a block whole enough to be read.
bool Readable(const ChosenSections& chosen, int index) {
  return chosen.found[index] && !chosen.sections[index].block.tooLong;
}

// The labels of `rows` that no line after the header of `block` starts
// with, in the order the rows are read.
std::vector<std::string_view> MissingRows(std::span<const RowLabel> rows,
                                          std::string_view block) {
  std::vector<bool> present(rows.size());
  std::size_t at = block.find('\n');
  while (at != std::string_view::npos && at + 1 < block.size()) {
    const std::size_t next = block.find('\n', at + 1);
    const std::string_view label =
        FirstWord(block.substr(at + 1, next - at - 1));
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].Names(label)) present[i] = true;
    at = next;
  }
  std::vector<std::string_view> missing;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (!present[i]) missing.push_back(rows[i].label);
  return missing;
}

}  // namespace

void CheckFoundBlocks(const ChosenSections& chosen,
                      const std::vector<std::string>& fileNames,
                      Refusals* refusals) {
  const std::string date = FormatIssueDate(chosen.date);
  for (int i = 0; i < kSectionCount; ++i) {
    if (!chosen.found[i]) continue;
    const FoundBlock& block = chosen.sections[i].block;
    const BlockHeader& header = block.header;
    const std::string_view station = SectionStation(i + 1);
    if (block.differingFile >= 0)
      refusals->bySection[i].push_back(Fill(
          "The {} guidance for {} issued {} at {} was found twice, in {} and in {}, and the two blocks differ.",
          {header.model, station, date, header.cycle, fileNames[block.file],
           fileNames[block.differingFile]}));
    if (block.tooLong)
      refusals->bySection[i].push_back(Fill(
          "The {} guidance for {} issued {} at {} in {} runs on past {} bytes; no station block is that long.",
          {header.model, station, date, header.cycle, fileNames[block.file],
           std::to_string(kMaxBlockLength)}));
  }
}

void TranslateNbmBlocks(ChosenSections* chosen, Refusals* refusals) {
  for (int i = 0; i < kSectionCount; ++i) {
    ChosenSection& section = chosen->sections[i];
    if (!Readable(*chosen, i) ||
        section.block.header.guidance != Guidance::kNbm)
      continue;
    std::string translation, err;
    if (!TranslateNbsBlock(section.block.header, section.block.text,
                           &translation, &err)) {
      refusals->bySection[i].push_back(err);
      continue;
    }
    section.block.text = std::move(translation);
    section.translated = true;
  }
}

void CheckRowLabels(const ChosenSections& chosen, Refusals* refusals) {
  const std::string date = FormatIssueDate(chosen.date);
  for (int i = 0; i < kSectionCount; ++i) {
    const FoundBlock& block = chosen.sections[i].block;
    if (!Readable(chosen, i) || block.header.guidance == Guidance::kNbm)
      continue;
    const auto rows = FactsOf(SectionGroupOf(i + 1)).rows;
    for (std::string_view row : MissingRows(rows, block.text))
      refusals->bySection[i].push_back(
          Fill("The {} guidance for {} issued {} at {} has no {} row.",
               {block.header.model, SectionStation(i + 1), date,
                block.header.cycle, row}));
  }
}

void CheckDateWords(const ChosenSections& chosen, Refusals* refusals) {
  const std::string* first = nullptr;
  for (int i = 0; i < kSectionCount; ++i) {
    if (!Readable(chosen, i)) continue;
    const std::string& word = chosen.sections[i].block.header.dateWord;
    if (first == nullptr) {
      first = &word;
    } else if (word != *first) {
      refusals->bySection[i].push_back(Fill(
          "The sections for {} write that date in two ways, {} and {}; the 1200 Model needs one date word in all twelve headers.",
          {FormatIssueDate(chosen.date), *first, word}));
      return;
    }
  }
}
