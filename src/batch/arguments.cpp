#include "batch/arguments.h"

#include <algorithm>

#include "settings/standard_setting.h"

namespace tw {

std::optional<std::string_view> CommandArguments::Option(std::string_view name) const {
  for (const auto& [option, value] : options) {
    if (option == name)
      return value;
  }
  return std::nullopt;
}

std::optional<CommandArguments> SplitArguments(std::span<const std::string> args,
                                               std::initializer_list<std::string_view> valued,
                                               std::initializer_list<std::string_view> flags) {
  CommandArguments split;
  size_t i = 0;
  for (; i < args.size() && args[i].starts_with('-') && args[i] != "--"; ++i) {
    const std::string& name = args[i];
    if (split.Option(name))
      return std::nullopt;
    if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
      split.options.emplace_back(name, "");
      continue;
    }
    // A value is the next argument whatever it looks like; a wrong one is
    // refused by the command that reads it.
    if (std::find(valued.begin(), valued.end(), name) == valued.end() || i + 1 == args.size())
      return std::nullopt;
    split.options.emplace_back(name, args[i + 1]);
    ++i;
  }
  for (; i < args.size(); ++i) {
    if (args[i] == "--") {
      split.operands.insert(split.operands.end(), args.begin() + i + 1, args.end());
      return split;
    }
    if (args[i].starts_with('-'))
      return std::nullopt;
    split.operands.push_back(args[i]);
  }
  return split;
}

std::optional<int> StandardOption(const CommandArguments& split) {
  const std::optional<std::string_view> given = split.Option("--standard");
  if (!given)
    return kDefaultStandard;
  return ParseStandard(*given, StandardText::Number);
}

std::optional<StandardAndProject> ReadStandardAndProject(const CommandArguments& split) {
  if (split.operands.size() != 1)
    return std::nullopt;
  const std::optional<int> standard = StandardOption(split);
  if (!standard)
    return std::nullopt;
  return StandardAndProject{*standard, split.operands[0]};
}

}  // namespace tw
