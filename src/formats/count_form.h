// The running number k of a corner line, written fast: a file of 100,000
// corners writes 100,000 of them.
#pragma once

#include <cstddef>
#include <string>

namespace tw {

// The leading-blank number form of a count: " 12". A whole number below 1E15
// has no decimals and no exponent, so the form is a blank and its digits.
std::string LeadingBlankCount(size_t k);

// The plain number form of a count: "12".
std::string PlainCount(size_t k);

}  // namespace tw
