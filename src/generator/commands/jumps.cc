// goto, call, exit and shift: where the batch file goes next, and with which
// arguments.

#include "generator/commands/commands.h"
#include "generator/sh_quote.h"
#include "parser/parser.h"

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

bool HasSeparatorOtherThanSpace(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return c != ' ' && batch::IsSeparator(c); });
}

// A number written in the batch file, or the text to read one from.
std::string Number(Generator& g, const Text& text, Prelude* prelude) {
  if (text.IsLiteral()) {
    const std::string digits = text.LiteralPart();
    const bool plain = !digits.empty() && digits.size() < 10 &&
                       digits.find_first_not_of("0123456789") == std::string::npos;
    if (plain) return std::to_string(std::stol(digits));
  }
  g.out().Use(Helper::kNi);
  const std::string temporary = g.Temporary();
  prelude->push_back("_ni " + temporary + " " + g.Value(text, prelude));
  return "\"$" + temporary + "\"";
}

// "call echo" and "call set": call reads the command's percent forms a second
// time, so "%%x%%" in the batch file gives x's value when the command runs.
// The command clears the errorlevel, as any command run by call does.
void CallEchoOrSet(Generator& g, const batch::Command& command, const std::string& word,
                   const Text& rest) {
  CommandBuilder call(g);
  call.Redirect(command);
  g.out().Use(Helper::kPct);
  // The line with its percent forms read again, in a temporary.
  auto read_again = [&](const Text& text) {
    const std::string line = g.Temporary();
    call.prelude()->push_back("_pct " + line + " " + call.Value(text) + " \"$@\"");
    return "\"$" + line + "\"";
  };
  if (word == "echo") {
    const Text text = batch::AfterFirstCharacter(rest);
    if (TrimBlanks(text).empty()) {
      call.Call(Helper::kEchostate).Write();
    } else {
      call.Append("printf '%s\\n'").Word(read_again(text)).Write();
    }
  } else {
    const Text text = SkipBlanks(batch::AfterFirstCharacter(rest));
    call.Call(Helper::kSetline).Word(read_again(text)).Write();
  }
  g.out().Line("_el=0");
}

// The arguments of a call, as sh words each after a space.
std::string CallArguments(Generator& g, const Text& rest, Prelude* prelude) {
  std::string arguments;
  for (const std::string& argument : g.Words(rest, WordStyle::kCall, prelude)) {
    arguments += " " + argument;
  }
  return arguments;
}

// Calls a label in this batch file: "call :name arguments".
void CallLabelInFile(Generator& g, const batch::Command& command, const batch::CallLabel& label) {
  CommandBuilder call(g);
  Prelude* prelude = call.prelude();
  const Text& word = label.label;
  const Text& rest = label.rest;
  if (!word.IsLiteral()) {
    const std::string arguments = CallArguments(g, rest, prelude);
    const std::string value = call.Value(word);
    call.Redirect(command)
        .Append(g.DynamicJump(value, word, true, arguments, g.SourceText(command)))
        .WriteLines();
    return;
  }
  // "call ::name" calls :name: the colons before the name are one.
  std::string written = word.LiteralPart();
  written.erase(0, written.find_first_not_of(':'));
  const std::string name = batch::LabelName(written);
  // %0 is the label as the call writes it.
  std::string zero = " ";
  zero += ShellQuote(std::string(":").append(written, 0, name.size()));
  if (HasUnquotedExpansion(rest) || HasSeparatorOtherThanSpace(rest.LiteralPart()) ||
      rest.LiteralPart().find("  ") != std::string::npos) {
    // The values may hold blanks and quotes: the words are cut as the
    // call runs. So are words between separators other than one space,
    // which %* keeps as written.
    const std::string line = call.Value(rest);
    call.Redirect(command);
    g.out().Use(Helper::kCargs);
    call.AfterPrelude("_cl=" + line).Append(g.CallLabel(name, zero)).Write();
    return;
  }
  const std::string arguments = CallArguments(g, rest, prelude);
  call.Redirect(command).Append(g.CallLabel(name, zero + arguments)).Write();
}

// Runs a program or batch file that call names, as if written without call.
void CallProgram(Generator& g, const batch::Command& command, const Text& word, const Text& rest) {
  batch::Command called;
  called.line = command.line;
  called.start_line = command.start_line;
  called.column = command.column;
  batch::SimpleCommand& simple = called.node.emplace<batch::SimpleCommand>();
  simple.name = word;
  simple.arguments = rest;
  for (const batch::Redirection& redirection : command.redirections) {
    called.redirections.push_back(redirection);
  }
  TranslateProgram(g, called, /*called=*/true);
}

// "call command arguments": a built-in, a program or batch file, or a value
// that may name a label.
void CallCommand(Generator& g, const batch::Command& command, const batch::CallCommand& called) {
  const Text& word = called.word;
  const Text& rest = called.rest;
  if (word.IsLiteral()) {
    const std::string lower = Lower(word.LiteralPart());
    if (lower == "echo" || lower == "set") {
      CallEchoOrSet(g, command, lower, rest);
      return;
    }
    if (FindCommandRule(lower) != nullptr || lower == "if" || lower == "for") {
      g.NotTranslated(command,
                      "call of the built-in " + lower + ", which reads its line a second time",
                      "stop-call-builtin");
      return;
    }
  }
  // A word that starts with an expansion names a label when its value starts
  // with a colon.
  const bool maybe_label = word.pieces()[0].kind != Piece::Kind::kLiteral;
  if (maybe_label) {
    CommandBuilder call(g);
    const std::string arguments = CallArguments(g, rest, call.prelude());
    const std::string value = call.Value(word);
    call.Redirect(command).WritePrelude();
    g.out().Line("case " + value + " in");
    g.out().Line(":*)");
    g.out().Indent();
    g.out().Lines(g.DynamicJump(value, word, true, arguments, g.SourceText(command)) +
                  call.redirections());
    g.out().Line(";;");
    g.out().Dedent();
    g.out().Line("*)");
    g.out().Indent();
  }
  CallProgram(g, command, word, rest);
  if (maybe_label) {
    g.out().Line(";;");
    g.out().Dedent();
    g.out().Line("esac");
  }
}

}  // namespace

void TranslateGoto(Generator& g, const batch::Command& command) {
  std::visit(
      batch::Overloaded{
          [&](batch::GotoNothing) {
            g.NotTranslated(command, "goto without a label", "stop-goto-label");
          },
          [&](const batch::GotoComputed& computed) {
            CommandBuilder jump(g);
            const std::string value = jump.Value(computed.target);
            jump.Append(g.DynamicJump(value, computed.target, false, "", g.SourceText(command)))
                .WriteLines();
          },
          [&](const batch::GotoLabel& label) { g.out().Line(g.Goto(label.name)); },
      },
      batch::ReadGoto(command.simple().arguments));
}

void TranslateCall(Generator& g, const batch::Command& command) {
  std::visit(batch::Overloaded{
                 [&](batch::CallNothing) { g.out().Line(":"); },
                 [&](const batch::CallLabel& label) { CallLabelInFile(g, command, label); },
                 [&](const batch::CallCommand& called) { CallCommand(g, command, called); },
             },
             batch::ReadCall(ArgumentsAfterWord(command)));
}

std::string ExitCode(Generator& g, const batch::Command& command, bool* batch_only,
                     Prelude* prelude) {
  const batch::ExitForm exit = batch::ReadExit(ArgumentsAfterWord(command));
  *batch_only = exit.batch_only;
  return exit.code.empty() ? std::string() : Number(g, exit.code, prelude);
}

void TranslateExit(Generator& g, const batch::Command& command) {
  bool batch_only = false;
  CommandBuilder set_level(g);
  const std::string code = ExitCode(g, command, &batch_only, set_level.prelude());
  if (!code.empty()) set_level.Append("_el=" + code).Write();
  if (batch_only) {
    g.out().Line(g.LeaveBatch(false));
  } else {
    g.out().Use(Helper::kExit);
    g.out().Line("_exit");
  }
}

void TranslateShift(Generator& g, const batch::Command& command) {
  const std::string text = TrimBlanks(ArgumentsAfterWord(command)).LiteralPart();
  int from = 0;
  if (text.size() == 2 && text[0] == '/' && text[1] >= '0' && text[1] <= '8') {
    from = text[1] - '0';
  } else if (!text.empty()) {
    g.NotTranslated(command, "shift with " + text, "stop-shift");
    return;
  }
  g.NoteShift();
  if (from == 0) {
    // %0 takes %1's place, and every argument moves down one.
    g.out().Line("_a0=${1-}");
    g.out().Line("[ $# -eq 0 ] || shift");
    return;
  }
  // "shift /n" leaves %1 to %(n-1) where they are and drops %n.
  std::string save;
  std::string restore;
  for (int i = 1; i < from; ++i) {
    if (i > 1) save += ' ';
    save += "_k" + std::to_string(i) + "=$" + std::to_string(i);
    restore += " \"$_k" + std::to_string(i) + "\"";
  }
  if (from == 1) {
    g.out().Line("[ $# -eq 0 ] || shift");
    return;
  }
  g.out().Line("if [ $# -ge " + std::to_string(from) + " ]; then");
  g.out().Indent();
  g.out().Line(save);
  g.out().Line("shift " + std::to_string(from));
  g.out().Line("set --" + restore + " \"$@\"");
  g.out().Dedent();
  g.out().Line("fi");
}

}  // namespace morvex
