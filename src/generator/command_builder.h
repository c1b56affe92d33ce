// One command of a script and the lines that compute its values before it
// runs (its prelude). A rule adds the command's parts in the order cmd reads
// them, and Write puts everything out in the one order that works: the
// prelude, then any lines that must follow it, then the command with its
// redirections last. Nothing is written before Write, so no line can read a
// temporary that the prelude has not set yet.

#ifndef MORVEX_GENERATOR_COMMAND_BUILDER_H_
#define MORVEX_GENERATOR_COMMAND_BUILDER_H_

#include <string>
#include <string_view>
#include <vector>

#include "generator/generator.h"
#include "generator/helper_names.h"
#include "parser/syntax.h"

namespace morvex {

class CommandBuilder {
 public:
  /// A command whose text starts with `head`, sh text ("printf '%s\\n'").
  explicit CommandBuilder(Generator& g, std::string head = {});
  /// A call of a runtime helper, whose use it records.
  CommandBuilder(Generator& g, Helper helper);

  /// Appends the name of a runtime helper to call, and records its use.
  CommandBuilder& Call(Helper helper);
  /// Appends sh text as it is.
  CommandBuilder& Append(std::string_view text);
  /// Appends a word of sh text, after a space.
  CommandBuilder& Word(std::string_view word) { return Append(" ").Append(word); }
  /// Appends the value of `text` as one word, after a space.
  CommandBuilder& WordOf(const batch::Text& text) { return Word(Value(text)); }
  /// Appends the words of `text`, each after a space.
  CommandBuilder& WordsOf(const batch::Text& text, WordStyle style);
  /// Reads the command's redirections now; they end its text.
  CommandBuilder& Redirect(const batch::Command& command);
  /// Adds a line to write after the prelude and before the command.
  CommandBuilder& AfterPrelude(std::string line);

  /// The value of `text` as one sh word, computed by the prelude, for a
  /// caller that places it itself.
  std::string Value(const batch::Text& text);
  /// The prelude, for the rules that compute values of their own into it.
  Prelude* prelude() { return &prelude_; }
  /// The redirections read, as sh text with a leading space, or empty.
  const std::string& redirections() const { return redirections_; }

  /// Writes the prelude, the lines after it and the command, as one line.
  void Write();
  /// The same for a command whose text spans lines, each at the current
  /// indentation; the redirections end its last line.
  void WriteLines();
  /// Writes the prelude, the lines after it and `assignment` in place of the
  /// command. With redirections the assignment is grouped, so that they still
  /// make their files, as cmd makes them for a command that writes nothing.
  void WriteAssignment(const std::string& assignment);
  /// Writes the prelude and the lines after it only, for a rule that writes
  /// a compound command of its own next. Nothing may be added afterwards.
  void WritePrelude();

 private:
  Generator& g_;
  std::string text_;
  std::string redirections_;
  Prelude prelude_;
  std::vector<std::string> after_prelude_;
  bool written_ = false;
};

}  // namespace morvex

#endif  // MORVEX_GENERATOR_COMMAND_BUILDER_H_
