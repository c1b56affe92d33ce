// The options of "for /f": "tokens=1,3* delims=, eol=# skip=2 usebackq".

#ifndef MORVEX_PARSER_FOR_OPTIONS_H_
#define MORVEX_PARSER_FOR_OPTIONS_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvex::batch {

/// What for /f is told by its options; a field keeps its default when no
/// option sets it, and a later option overrides an earlier one.
struct ForOptions {
  std::string delims = " \t";
  std::string eol = ";";  // one character, or empty for none
  int skip = 0;
  bool usebackq = false;
  std::vector<int> tokens = {1};  // ascending, each once, from 1 to 31
  bool rest = false;              // a "*": one more variable takes the rest

  bool operator==(const ForOptions&) const = default;
};

/// Reads the options as written between their quotes; nullopt for options
/// cmd does not accept.
std::optional<ForOptions> ParseForOptions(std::string_view text);

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_FOR_OPTIONS_H_
