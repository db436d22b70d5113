#ifndef ORVANNE_PAGE_BUILD_PAGES_H_
#define ORVANNE_PAGE_BUILD_PAGES_H_

#include <string>
#include <vector>

#include "verify/verification.h"

// The archive's pages, built from its records alone: ARCHIVE/index.html
// (IndexHtml) and each morning's ARCHIVE/YYYY-MM-DD/index.html
// (DayPageHtml). Each record is read once; one that cannot be read is left
// out and named on one line in `warnings`, for the caller to print.
// `verification` is that of the days before the latest morning (null when
// there is none). A page whose bytes are already on disk is left as it is;
// any other is written whole through ReplaceFile. The same records and
// verification always give the same bytes. False, with `err` one line naming
// the page, when a page could not be written; the pages before it stay
// written.
bool BuildPages(const std::string& archive, const Verification* verification,
                std::vector<std::string>* warnings, std::string* err);

#endif  // ORVANNE_PAGE_BUILD_PAGES_H_
