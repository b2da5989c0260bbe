// The words, numbers and marks of a description, each with its place in the
// text, so that every call read can point at the words it came from and every
// word not used can be shown.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

enum class TokenKind { Word, Number, Mark };

struct Token {
  TokenKind kind = TokenKind::Word;
  std::string_view text;  // into the description
  size_t offset = 0;      // of the first byte
  size_t line = 1;        // counted from 1
  size_t column = 1;      // in bytes, counted from 1
  double value = 0;       // a number's value
  bool decimal = false;   // a number written with a decimal point
  // Why a number is uncertain ("the letter O read as 0"); empty when it is not.
  std::string doubt;

  size_t End() const { return offset + text.size(); }
};

// The tokens of a Windows-1252 text: runs of letters, numbers ("1,234.56",
// ".71") and single marks (a doubled "''" is one mark). Blanks and line ends
// separate tokens and are not tokens. Scan damage is kept readable and
// flagged: letters O, o, l and I among digits, and a blank after a decimal
// point ("215. 40").
std::vector<Token> Tokenize(std::string_view text);

// ASCII case-insensitive equality, for the description's words.
bool SameWord(std::string_view a, std::string_view b);

// A word token that is one of `words`, by SameWord.
bool IsAnyWord(const Token& t, std::initializer_list<std::string_view> words);

}  // namespace tw
