// Modal message boxes with an OK button.
#pragma once

#include <string>

namespace tw {

inline constexpr const char* kProgramTitle = "Quadrell";

enum class MessageIcon { None, Information };

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Texts are Windows-1252, like the entries they may quote.
  virtual void Show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace tw
