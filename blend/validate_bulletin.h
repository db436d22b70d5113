#ifndef ORVANNE_BLEND_VALIDATE_BULLETIN_H_
#define ORVANNE_BLEND_VALIDATE_BULLETIN_H_

#include <array>
#include <string>

// Checks the twelve section headers of a "1200 Model" bulletin: the first
// six words of the file are the first header, and then each station's header
// follows in the fixed order (short-range primary "ETA"/"NAM"/"NBM" at 1200,
// short-range secondary "AVN"/"GFS" at 1200, extended "MRF"/"GFSX" at 0000,
// each group KBKX, KHON, KMHE, KFSD), all with the first header's issue date.
// Rows are not examined. A file that cannot be opened is invalid. On false
// `err` holds the one line the run prints.
bool ValidateBulletin(const std::string& bulletinName, std::string* err);

// The header facts `--ratio auto` needs: the first header's date word and
// the model words of sections 1 to 4 (the short-range primary guidance).
struct PrimaryHeaderFacts {
  std::string dateWord;
  std::array<std::string, 4> models;
};

// Reads them from a bulletin that ValidateBulletin takes, by the same walk
// over its words. False when the file cannot be read so.
bool ReadPrimaryHeaderFacts(const std::string& bulletinName,
                            PrimaryHeaderFacts* facts);

#endif  // ORVANNE_BLEND_VALIDATE_BULLETIN_H_
