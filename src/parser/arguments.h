// A built-in's arguments as cmd picks them apart: text cut at its blanks and
// separators, and the forms that set, call, goto, exit, cd and pushd take.

#ifndef MORVEX_PARSER_ARGUMENTS_H_
#define MORVEX_PARSER_ARGUMENTS_H_

#include <string>
#include <utility>
#include <variant>

#include "parser/syntax.h"

namespace morvex::batch {

/// A command's arguments without the one separator (a space, tab, ",", ";"
/// or "=") between them and the command word. What else ended the word stays:
/// "exit/b" gives "/b", "cd.." gives "..".
Text ArgumentsAfterWord(const Text& arguments);
/// `text` without its first character: echo's text after the one character
/// that ended its word, whatever it was ("echo.", "echo(").
Text AfterFirstCharacter(const Text& text);
/// `text` without leading spaces and tabs.
Text SkipBlanks(const Text& text);
/// `text` without leading and trailing spaces and tabs.
Text TrimBlanks(const Text& text);
/// `text` without its leading separators.
Text SkipSeparators(const Text& text);
/// The first word of `text`, cut at a separator outside quotes, and the rest,
/// which starts with that separator.
std::pair<Text, Text> SplitFirstWord(const Text& text);

/// "set" with a name and no "=": shows the variables whose names start with
/// `prefix`, or all of them.
struct SetShow {
  Text prefix;
};
/// "set name=value" or "set "name=value"": an empty value removes the name.
struct SetAssign {
  Text name;
  Text value;
};
/// "set /p name=prompt": asks for the value.
struct SetPrompt {
  Text name;
  Text prompt;
};
/// "set /a expression".
struct SetArithmetic {
  Text expression;
};
/// A set that cmd refuses.
enum class SetMistake {
  kPromptWithoutEquals,  // "set /p name"
  kWithoutName,          // "set =value"
};
using SetForm = std::variant<SetShow, SetAssign, SetPrompt, SetArithmetic, SetMistake>;

/// Reads set's arguments, as they follow the command word.
SetForm ReadSet(const Text& after_word);

/// "call" with nothing to call.
struct CallNothing {};
/// "call :label arguments": `label` is the word with its colons.
struct CallLabel {
  Text label;
  Text rest;
};
/// "call command arguments": a program, a batch file, a built-in, or a word
/// whose value may turn out to name a label.
struct CallCommand {
  Text word;
  Text rest;
};
using CallForm = std::variant<CallNothing, CallLabel, CallCommand>;

/// Reads call's arguments, as they follow the command word.
CallForm ReadCall(const Text& after_word);

/// The folder that cd or pushd is given, from its arguments with the
/// separator after the word: the rest of the line, spaces and all ("cd.."
/// and "cd\" have no separator before it); empty, cd shows the current one.
/// cd takes "/d" before it, to change the drive too, which is left out.
Text ReadFolder(const Text& arguments, bool drive_switch);

/// "goto" with nothing after it.
struct GotoNothing {};
/// The label as cmd looks it up: its name, with the colon kept before "eof"
/// (":eof" is the end of the file, "eof" a label).
struct GotoLabel {
  std::string name;
};
/// A target whose value names the label when the command runs.
struct GotoComputed {
  Text target;
};
using GotoForm = std::variant<GotoNothing, GotoLabel, GotoComputed>;

/// Reads goto's arguments; "goto:eof" ends the word at the colon, which
/// still belongs to the label.
GotoForm ReadGoto(const Text& arguments);

/// "exit [/b] [code]": only the first word is the code.
struct ExitForm {
  bool batch_only = false;  // "/b": leaves the batch file or the called label
  Text code;                // empty when none is given
};

/// Reads exit's arguments, as they follow the command word.
ExitForm ReadExit(const Text& after_word);

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_ARGUMENTS_H_
