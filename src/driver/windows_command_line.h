// What the Windows program does with its raw command line, kept free of
// Windows headers so that every platform builds and tests it.

#ifndef MORVEX_DRIVER_WINDOWS_COMMAND_LINE_H_
#define MORVEX_DRIVER_WINDOWS_COMMAND_LINE_H_

#include <string>
#include <string_view>

namespace morvex {

/// The argument string of a raw Windows command line: what follows the
/// program's own name, trimmed of spaces and not unquoted.
///
/// The program name is skipped as Windows quotes it: one that starts with a
/// quote runs to the next quote (a backslash escapes nothing, and without a
/// closing quote the whole line is the name); any other runs to the first space
/// or tab. The spaces and tabs that separate it from the argument string are
/// skipped, then trailing spaces are removed. Quotes in the argument string
/// stay, and so do the spaces inside it.
std::u16string_view ArgumentsAfterProgramName(std::u16string_view command_line);

/// The file name meant by `name`: without the double quotes around it, when it
/// begins and ends with one. Windows file names hold no double quote, and
/// Explorer quotes the name of a file dropped on the program when it holds a
/// space.
std::string_view UnquotedName(std::string_view name);

}  // namespace morvex

#endif  // MORVEX_DRIVER_WINDOWS_COMMAND_LINE_H_
