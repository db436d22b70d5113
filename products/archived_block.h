#ifndef ORVANNE_PRODUCTS_ARCHIVED_BLOCK_H_
#define ORVANNE_PRODUCTS_ARCHIVED_BLOCK_H_

#include <string>
#include <string_view>

#include "products/guidance.h"
#include "products/issue_date.h"

// Whether the product file `path` holds `station`'s block of `guidance`
// issued on `issued` at the cycle the 1200 Model takes. False when the file
// cannot be opened.
bool HoldsBlock(const std::string& path, Guidance guidance,
                std::string_view station, const IssueDate& issued);

#endif  // ORVANNE_PRODUCTS_ARCHIVED_BLOCK_H_
