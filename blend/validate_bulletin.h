#ifndef ORVANNE_BLEND_VALIDATE_BULLETIN_H_
#define ORVANNE_BLEND_VALIDATE_BULLETIN_H_

#include <array>
#include <istream>
#include <optional>
#include <string>

#include "blend/station_records.h"
#include "products/issue_date.h"

// Checks the twelve section headers of a "1200 Model" bulletin: the first
// six words of the file are the first header, and then each station's header
// follows in the fixed order (the Primary, Secondary and Extended groups of
// the guidance table, each a model word of its group's guidance at the cycle
// taken, each group KBKX, KHON, KMHE, KFSD), all with the first header's
// issue date.
// Rows are not examined. A file that cannot be opened is invalid. On false
// `err` holds the one line the run prints.
//
// On true, `headers` (when given) holds what the headers name: the issue
// date of the first header, its word as written and the date it is (none
// when the word is no month/day/year date), and the model words.
struct BulletinHeaders {
  std::string issueDateWord;
  std::optional<IssueDate> issueDate;
  std::string primaryModel;
  std::string secondaryModel;
  std::array<std::string, kSectionCount> models;  // of sections 1 to 12
};
bool ValidateBulletin(const std::string& bulletinName, std::string* err,
                      BulletinHeaders* headers = nullptr);

// The same check of a bulletin already open, from where it stands.
bool ValidateBulletin(std::istream& bulletin, std::string* err,
                      BulletinHeaders* headers = nullptr);

#endif  // ORVANNE_BLEND_VALIDATE_BULLETIN_H_
