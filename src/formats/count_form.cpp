#include "formats/count_form.h"

#include <charconv>

#include "base/numbers.h"

namespace tw {
namespace {

constexpr size_t kLargestPlainCount = 999999999999999;  // 15 digits

}  // namespace

std::string LeadingBlankCount(size_t k) {
  std::string s;
  AppendLeadingBlankCount(s, k);
  return s;
}

void AppendLeadingBlankCount(std::string& out, size_t k) {
  if (k > kLargestPlainCount) {
    AppendLeadingBlankForm(out, static_cast<double>(k));
    return;
  }
  char digits[24];
  const char* const end = std::to_chars(digits, digits + sizeof digits, k).ptr;
  out.push_back(' ');
  out.append(digits, static_cast<size_t>(end - digits));
}

std::string PlainCount(size_t k) {
  if (k > kLargestPlainCount)
    return PlainForm(static_cast<double>(k));
  return std::to_string(k);
}

}  // namespace tw
