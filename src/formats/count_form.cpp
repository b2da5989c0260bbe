#include "formats/count_form.h"

#include "boundary/numbers.h"

namespace tw {
namespace {

constexpr size_t kLargestPlainCount = 999999999999999;  // 15 digits

}  // namespace

std::string LeadingBlankCount(size_t k) {
  if (k > kLargestPlainCount)
    return LeadingBlankForm(static_cast<double>(k));
  return ' ' + std::to_string(k);
}

std::string PlainCount(size_t k) {
  if (k > kLargestPlainCount)
    return PlainForm(static_cast<double>(k));
  return std::to_string(k);
}

}  // namespace tw
