// --help and --version, which both programs answer alike: the answer goes to
// stdout and the program ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The usage line that names them: "       NAME --help | --version\n".
std::string HelpVersionUsageLine(std::string_view program);

// The usage for "--help", "NAME VERSION\n" for "--version"; nullopt for any
// other argument.
std::optional<std::string> AnswerHelpVersion(std::string_view arg, std::string_view program,
                                             std::string (*usage)());

}  // namespace tw
