// Errors are values: a reading or a computation that can meet a malformed
// entry returns a Result, never throws.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tw {

struct Error {
  std::string message;
};

template <class T>
class [[nodiscard]] Result {
 public:
  // Implicit on purpose: a function returns its value or its Error as is.
  Result(T value) : data_(std::move(value)) {}      // NOLINT(google-explicit-constructor)
  Result(Error error) : data_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return data_.index() == 0; }
  explicit operator bool() const { return ok(); }
  const T& value() const { return std::get<0>(data_); }
  const T& operator*() const { return value(); }
  const T* operator->() const { return &value(); }
  // Moves the value out, for a large value (a whole file's entries) that the
  // caller keeps and the result no longer needs.
  T take() && { return std::get<0>(std::move(data_)); }
  const std::string& error() const { return std::get<1>(data_).message; }

 private:
  std::variant<T, Error> data_;
};

struct Done {};
using Status = Result<Done>;

inline Status Ok() {
  return Done{};
}

}  // namespace tw
