#ifndef ORVANNE_FETCH_FETCHED_PRODUCT_H_
#define ORVANNE_FETCH_FETCHED_PRODUCT_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "products/issue_date.h"

// What the service's answer for one id holds, and whether an archived
// answer is final.

// True for the service's answer to an id it has nothing of: a body that
// starts "ERROR: Could not Find:". Nothing has been issued (yet).
bool IsNotIssuedAnswer(std::string_view body);

// The products in a body: the lines holding only the start byte 0x01.
int CountProducts(std::string_view body);

// The size in KB (1024 bytes), rounded up, so a body that is not empty never
// shows as 0 KB.
std::size_t KilobytesOf(std::size_t bytes);

// True when the archived file `path` of the day `day` was written after
// that day had ended in UTC: its products can no longer change. The file's
// modification time is when it was fetched, since each is written anew.
bool IsFinal(const std::string& path, const IssueDate& day);

#endif  // ORVANNE_FETCH_FETCHED_PRODUCT_H_
