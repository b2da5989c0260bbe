// The running number k of a corner line, written fast: a file of 100,000
// corners writes 100,000 of them.
#pragma once

#include <cstddef>
#include <string>

namespace tw {

// The longest count form: a blank and 20 digits, or the 22 bytes of a
// number form beyond 15 digits.
inline constexpr size_t kLongestCount = 22;

// The leading-blank number form of a count: " 12". A whole number below 1E15
// has no decimals and no exponent, so the form is a blank and its digits.
std::string LeadingBlankCount(size_t k);

// The plain number form of a count: "12".
std::string PlainCount(size_t k);

// The leading-blank form of a count appended to out.
void AppendLeadingBlankCount(std::string& out, size_t k);

}  // namespace tw
