// The arguments of one quadrell-batch command after its name.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tw {

struct CommandArguments {
  // Each option named at most once, with the argument that follows it.
  std::vector<std::pair<std::string, std::string>> options;
  std::vector<std::string> operands;

  // The value of an option, or nullopt when it was not given.
  std::optional<std::string_view> Option(std::string_view name) const;
};

// Options come first, each one of `valued` and followed by its value, or one
// of `flags`, alone (its value then reads ""); then the operands. "--" ends the options, so that an
// operand may start with "-". Before it, anything else that starts with "-" is a wrong command line
// (nullopt), as are an option without its value and an option given twice.
std::optional<CommandArguments> SplitArguments(std::span<const std::string> args,
                                               std::initializer_list<std::string_view> valued,
                                               std::initializer_list<std::string_view> flags = {});

// The S of "--standard S", kDefaultStandard without the option; nullopt when
// S is anything but a whole number that IsStandard takes.
std::optional<int> StandardOption(const CommandArguments& split);

// What the closure and pdf commands both read: the standard, as above, and
// the one project file named.
struct StandardAndProject {
  int standard;
  std::string path;
};

// nullopt when there is not exactly one operand or the standard is wrong.
std::optional<StandardAndProject> ReadStandardAndProject(const CommandArguments& split);

}  // namespace tw
