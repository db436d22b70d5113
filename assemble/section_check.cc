#include "assemble/section_check.h"

#include <sstream>
#include <string_view>

#include "assemble/nbs_translation.h"
#include "blend/bulletin_rows.h"
#include "blend/validate_bulletin.h"
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
  CutLine(&block);  // the header
  while (!block.empty()) {
    const std::string_view label = FirstWord(CutLine(&block));
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].Names(label)) present[i] = true;
  }
  std::vector<std::string_view> missing;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (!present[i]) missing.push_back(rows[i].label);
  return missing;
}

// Section `section` alone, read by the row readers of its group.
bool ReadsAlone(const std::string& text, int section, std::string* err) {
  std::istringstream temperatures(text), sky(text);
  if (SectionGroupOf(section) == SectionGroup::kExtended) {
    ExtendedTempRecord temperature;
    ExtendedSkyRecord cloudAndWind;
    return ReadExtendedTempSection(temperatures, temperature, section, err) &&
           ReadExtendedSkySection(sky, cloudAndWind, section, err);
  }
  ShortTempRecord temperature;
  ShortSkyRecord cloudAndWind;
  return ReadShortTempSection(temperatures, temperature, section, err) &&
         ReadShortSkySection(sky, cloudAndWind, section, err);
}

// The whole bulletin through the header check and both readers.
bool ReadsWhole(const std::string& bulletin, std::string* err) {
  std::istringstream headers(bulletin), temperatures(bulletin), sky(bulletin);
  StationRecords<ShortTempRecord> primaryTemp, secondaryTemp;
  StationRecords<ExtendedTempRecord> extendedTemp;
  StationRecords<ShortSkyRecord> primarySky, secondarySky;
  StationRecords<ExtendedSkyRecord> extendedSky;
  return ValidateBulletin(headers, err) &&
         ReadTemperatureRows(primaryTemp, secondaryTemp, extendedTemp,
                             temperatures, err) &&
         ReadSkyRows(primarySky, secondarySky, extendedSky, sky, err);
}

// The section whose rows alone make the header check fail: the bulletin
// of the twelve header lines with that section's rows under its own.
int SectionUpsettingTheHeaders(const ChosenSections& chosen) {
  for (int i = 0; i < kSectionCount; ++i) {
    std::string bulletin;
    for (int k = 0; k < kSectionCount; ++k) {
      const std::string& text = chosen.sections[k].block.text;
      bulletin += k == i ? text : text.substr(0, text.find('\n') + 1);
      bulletin += '\n';
    }
    std::istringstream in(bulletin);
    std::string err;
    if (!ValidateBulletin(in, &err)) return i;
  }
  return -1;
}

std::string RefusedLine(const ChosenSections& chosen, int i,
                        const std::vector<std::string>& fileNames,
                        const std::string& reason) {
  const FoundBlock& block = chosen.sections[i].block;
  return Fill(
      "The {} guidance for {} issued {} at {} in {} is not one the 1200 Model reads: {}.",
      {block.header.model, SectionStation(i + 1), FormatIssueDate(chosen.date),
       block.header.cycle, fileNames[block.file], reason});
}

}  // namespace

std::string BulletinText(const ChosenSections& chosen) {
  std::string text;
  for (const ChosenSection& section : chosen.sections)
    text += section.block.text + "\n";
  return text;
}

void CheckWithTheModelsReading(const ChosenSections& chosen,
                               const std::vector<std::string>& fileNames,
                               Refusals* refusals) {
  std::string err;
  for (int i = 0; i < kSectionCount; ++i)
    if (!ReadsAlone(chosen.sections[i].block.text, i + 1, &err))
      refusals->bySection[i].push_back(
          RefusedLine(chosen, i, fileNames, err));
  if (!refusals->empty() || ReadsWhole(BulletinText(chosen), &err)) return;
  const int upsetting = SectionUpsettingTheHeaders(chosen);
  if (upsetting >= 0)
    refusals->bySection[upsetting].push_back(
        RefusedLine(chosen, upsetting, fileNames,
                    "a row holds words the header check takes for a header"));
  else
    refusals->general.push_back(Fill(
        "The sections for {} do not make a bulletin the 1200 Model reads: {}.",
        {FormatIssueDate(chosen.date), err}));
}

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
