#include "description/tokens.h"

#include <charconv>

#include "base/numbers.h"
#include "base/text.h"

namespace tw {
namespace {

constexpr bool IsLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

// Letters a scan puts where digits were.
constexpr bool IsDigitLookalike(char c) {
  return c == 'O' || c == 'o' || c == 'l' || c == 'I';
}

constexpr char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  std::vector<Token> Run() {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '\n' || c == '\r') {
        NewLine(c);
      } else if (IsBlank(c)) {
        Advance(1);
      } else if (IsLetter(c) || IsDigit(c) || StartsDecimal(at_)) {
        Run(RunEnd(at_));
      } else {
        const size_t width = (c == '\'' && Peek(at_ + 1) == '\'') ? 2 : 1;
        Emit(TokenKind::Mark, at_, at_ + width);
      }
    }
    return std::move(tokens_);
  }

 private:
  char Peek(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  bool StartsDecimal(size_t i) const { return Peek(i) == '.' && IsDigit(Peek(i + 1)); }

  void Advance(size_t n) {
    at_ += n;
    column_ += n;
  }

  void NewLine(char c) {
    Advance(c == '\r' && Peek(at_ + 1) == '\n' ? 2 : 1);
    ++line_;
    column_ = 1;
  }

  // A run of letters and digits, with a "." before a digit and a "," before
  // exactly three digits kept inside it.
  size_t RunEnd(size_t i) const {
    while (i < text_.size()) {
      const char c = text_[i];
      if (IsLetter(c) || IsDigit(c) || StartsDecimal(i)) {
        ++i;
      } else if (c == ',' && IsDigit(Peek(i - 1)) && IsDigit(Peek(i + 1)) && IsDigit(Peek(i + 2)) &&
                 IsDigit(Peek(i + 3)) && !IsDigit(Peek(i + 4))) {
        ++i;
      } else {
        break;
      }
    }
    return i;
  }

  // A run is a word, a number, a number with letters a scan mistook for
  // digits, or letters and digits side by side ("N45", "15E") to split.
  void Run(size_t end) {
    const std::string_view run = text_.substr(at_, end - at_);
    bool digits = false;
    bool lookalikes_only = true;
    for (char c : run) {
      digits |= IsDigit(c);
      if (IsLetter(c) && !IsDigitLookalike(c))
        lookalikes_only = false;
    }
    if (!digits) {
      Emit(TokenKind::Word, at_, end);
      return;
    }
    if (lookalikes_only) {
      EmitNumber(end);
      return;
    }
    while (at_ < end) {
      size_t part = at_;
      const bool letters = IsLetter(text_[part]);
      while (part < end && IsLetter(text_[part]) == letters)
        ++part;
      if (letters)
        Emit(TokenKind::Word, at_, part);
      else
        EmitNumber(part);
    }
  }

  // A number, joined across a blank after its decimal point ("215. 40").
  void EmitNumber(size_t end) {
    std::string doubt;
    size_t after = end;
    if (Peek(after) == '.') {
      size_t next = after + 1;
      while (IsBlank(Peek(next)))
        ++next;
      if (next > after + 1 && IsDigit(Peek(next))) {
        size_t last = next;
        while (IsDigit(Peek(last)))
          ++last;
        if (!IsLetter(Peek(last))) {
          end = last;
          doubt = "a blank inside the number";
        }
      }
    }
    std::string clean;
    for (char c : text_.substr(at_, end - at_)) {
      if (c == 'O' || c == 'o') {
        clean += '0';
        doubt = "the letter O read as 0";
      } else if (c == 'l' || c == 'I') {
        clean += '1';
        doubt = "the letter l read as 1";
      } else if (c != ',' && !IsBlank(c)) {
        clean += c;
      }
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    const bool read =
        ec == std::errc() && ptr == clean.data() + clean.size() && IsBoundaryNumber(value);
    Emit(read ? TokenKind::Number : TokenKind::Word, at_, end);
    if (read) {
      tokens_.back().value = value;
      tokens_.back().decimal = clean.find('.') != std::string::npos;
      tokens_.back().doubt = std::move(doubt);
    }
  }

  void Emit(TokenKind kind, size_t from, size_t to) {
    Token t;
    t.kind = kind;
    t.text = text_.substr(from, to - from);
    t.offset = from;
    t.line = line_;
    t.column = column_;
    tokens_.push_back(std::move(t));
    Advance(to - from);
  }

  std::string_view text_;
  size_t at_ = 0;
  size_t line_ = 1;
  size_t column_ = 1;
  std::vector<Token> tokens_;
};

}  // namespace

std::vector<Token> Tokenize(std::string_view text) {
  return Scanner(text).Run();
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i]))
      return false;
  return true;
}

bool IsAnyWord(const Token& t, std::initializer_list<std::string_view> words) {
  if (t.kind != TokenKind::Word)
    return false;
  for (std::string_view w : words)
    if (SameWord(t.text, w))
      return true;
  return false;
}

}  // namespace tw
