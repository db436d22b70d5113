#include "verify/verification_table.h"

#include <array>
#include <string>
#include <string_view>

#include "common/console.h"

namespace {

// The name column is left-aligned, the others right-aligned, each as wide
// as its heading and the blanks before it.
constexpr std::size_t kNameWidth = 8;
constexpr std::array<std::size_t, 6> kValueWidths{11, 10, 9, 10, 9, 7};

std::string Row(std::string_view name,
                const std::array<std::string, 6>& values) {
  std::string row(name);
  row.append(kNameWidth - name.size(), ' ');
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i].size() < kValueWidths[i])
      row.append(kValueWidths[i] - values[i].size(), ' ');
    row += values[i];
  }
  return row;
}

std::string ScoreRow(std::string_view name, const GuidanceScores& scores) {
  const ErrorSums all = scores.All();
  return Row(name, {std::to_string(all.count), FormatBias(scores.maximum),
                    FormatMae(scores.maximum), FormatBias(scores.minimum),
                    FormatMae(scores.minimum), FormatMae(all)});
}

}  // namespace

void PrintVerification(std::ostream& out, const Verification& verification) {
  PrintLine(
      out,
      Fill(
          "Verification of the 1200 UTC guidance at KFSD, KHON and KMHE, {} to {} ({} days)",
          {FormatIssueDate(verification.first),
           FormatIssueDate(verification.last),
           std::to_string(verification.days)}));
  PrintLine(out,
            "guidance  forecasts  max bias  max MAE  min bias  min MAE    MAE");
  PrintLine(out, ScoreRow("GFS", verification.gfs));
  PrintLine(out, ScoreRow("NBM", verification.nbm));
  PrintLine(out, Fill("suggested ratio: {}",
                      {FormatHundredths(verification.ratioHundredths)}));
}
