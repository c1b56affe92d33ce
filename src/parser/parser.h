// A reader of batch files as cmd.exe reads them: one statement at a time, with
// its blocks, conditions, loops, operators and redirections.

#ifndef MORVEX_PARSER_PARSER_H_
#define MORVEX_PARSER_PARSER_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "parser/syntax.h"

namespace morvex::batch {

/// Splits a batch file into its physical lines: LF ends a line, and so does a
/// Ctrl-Z, as cmd reads one; carriage returns stay in the line (cmd drops
/// them later). The views point into `batch`.
std::vector<std::string_view> SplitLines(std::string_view batch);

/// The name a label line or a goto gives: what follows the colon up to the
/// first delimiter, in lower case, since cmd matches labels ignoring case.
std::string LabelName(std::string_view after_colon);

/// If `line` is a label line (its first character after spaces, tabs and the
/// other separators is a colon), stores what follows the colon and returns
/// true.
bool IsLabelLine(std::string_view line, std::string_view* after_colon);

/// The text as it would be written in a batch file: expansions in their
/// percent forms and literal "%" doubled, so that reading it again gives the
/// same text.
std::string SourceForm(const Text& text);

/// Reads statements in file order. Malformed input never stops it: a
/// statement it cannot make sense of comes back as one Unreadable command that
/// holds its text. Blocks nested deeper than a fixed limit are unreadable too,
/// so that no part of the program needs a stack that grows with the input.
class Parser {
 public:
  /// `lines` must outlive the parser. `loop_variables` are the variables of
  /// the loops around the text, for a command line that a loop runs.
  explicit Parser(const std::vector<std::string_view>& lines,
                  std::vector<char> loop_variables = {});
  ~Parser();
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  /// Reads the next statement into `*statement`; false at the end of the file.
  bool Next(Statement* statement);

  /// How deep blocks, conditions and loops may nest in one statement.
  static constexpr int kMaxDepth = 200;

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_PARSER_H_
