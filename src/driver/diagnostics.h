// The lines that tell the user which constructs a script stops at: as
// compilers write warnings, for people and editors, or as JSON lines, for
// other programs.

#ifndef MORVEX_DRIVER_DIAGNOSTICS_H_
#define MORVEX_DRIVER_DIAGNOSTICS_H_

#include <string>
#include <string_view>

#include "generator/runnable_script.h"

namespace morvex {

/// "deploy.bat:12:3: warning: not translated: color [stop-color]", with a
/// line end.
std::string WarningLine(std::string_view file, const Stop& stop);

/// The same as one JSON object on a line of its own: file, line, column,
/// severity, code and message. Bytes that are not UTF-8 are written as the
/// characters U+0080 to U+00FF, so that the line always parses.
std::string JsonLine(std::string_view file, const Stop& stop);

/// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace morvex

#endif  // MORVEX_DRIVER_DIAGNOSTICS_H_
