// Programs run by name, and other batch files, which run as the scripts
// converted from them.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "generator/commands/commands.h"
#include "generator/sh_quote.h"
#include "parser/parser.h"

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

// After a program whose name may be a batch file's, run without call: a
// batch file then takes this one's place, which ends when it does. Not where
// the command's exit status is read next (a pipe's side, an && list), which
// the test would hide.
void LeaveWhenABatchFileRan(Generator& g) {
  if (g.InCapture()) return;
  g.out().Line("[ -z \"$_rb\" ] || { " + g.LeaveBatch(false) + "; }");
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The name of the Windows program a command's name runs, for the table of
// Windows' own programs: the name itself when it has no folder, its last
// part when its folder is one where Windows keeps its programs
// (%SystemRoot%\System32\ping.exe), "cmd" for %ComSpec%, and empty
// otherwise: a program in another folder (tools\sort.exe) is not Windows'.
std::string WindowsProgramName(const Text& quoted_name) {
  // Quotes alone around an expansion ("%ComSpec%") are not part of the name.
  std::vector<Piece> pieces = quoted_name.pieces();
  auto quote = [](const Piece& piece) {
    return piece.kind == Piece::Kind::kLiteral && piece.text == "\"";
  };
  if (pieces.size() > 1 && quote(pieces.front())) pieces.erase(pieces.begin());
  if (pieces.size() > 1 && quote(pieces.back())) pieces.pop_back();
  if (pieces.empty()) return "";
  const Piece& last = pieces.back();
  if (pieces.size() == 1 && last.kind == Piece::Kind::kVariable && Lower(last.text) == "comspec" &&
      std::holds_alternative<std::monostate>(last.edit())) {
    return "cmd";
  }
  if (last.kind != Piece::Kind::kLiteral) return "";
  std::string tail = last.text;
  tail.erase(std::remove(tail.begin(), tail.end(), '"'), tail.end());
  const size_t slash = tail.find_last_of("\\/");
  if (slash == std::string::npos) return pieces.size() == 1 ? tail : "";
  const std::string folder = tail.substr(0, slash);
  const size_t before = folder.find_last_of("\\/");
  if (before == std::string::npos && pieces.size() > 1) return "";
  const std::string last_folder =
      Lower(before == std::string::npos ? folder : folder.substr(before + 1));
  if (last_folder == "system32" || last_folder == "syswow64" || last_folder == "sysnative" ||
      last_folder == "v1.0") {
    return tail.substr(slash + 1);
  }
  return "";
}

// attrib sets read-only as the file's write bits; the other attributes have
// no counterpart here. Without an attribute to set, it lists them: false
// when it stops so.
bool AttribNote(Generator& g, const batch::Command& command) {
  const Text& arguments = command.simple().arguments;
  const std::string text = Lower(arguments.LiteralPart());
  bool read_only = false;
  bool others = false;
  // Words of two characters, a sign and a letter.
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    const bool starts = i == 0 || text[i - 1] == ' ' || text[i - 1] == '\t';
    const bool ends = i + 2 == text.size() || text[i + 2] == ' ' || text[i + 2] == '\t';
    if (!starts || !ends || (text[i] != '+' && text[i] != '-')) continue;
    if (text[i + 1] == 'r') read_only = true;
    if (std::string_view("ahsi").find(text[i + 1]) != std::string_view::npos) others = true;
  }
  if (others) {
    g.Note(
        "attrib: only read-only has a counterpart here (the file's write bits); the "
        "archive, hidden, system and index attributes are left alone");
  }
  if (arguments.IsLiteral() && !read_only && !others) {
    g.NotTranslated(command,
                    "attrib without an attribute to set lists attributes, which "
                    "have no counterpart here",
                    "stop-attrib-list");
    return false;
  }
  return true;
}

// A Windows program with no counterpart here: cmd's errorlevel for a program
// it cannot find, whatever program of that name there is here.
void StopProgram(Generator& g, const batch::Command& command, std::string_view name) {
  CommandBuilder stop(g, Helper::kNtp);
  stop.Redirect(command);
  g.Note("not translated: " + std::string(name) +
         " is a Windows program with no counterpart here (--allow-program=" + std::string(name) +
         " runs it by its name)");
  g.RecordStop(command, "stop-windows-program", std::string(name) + ", a Windows program");
  stop.Word(ScriptWriter::LineNumberHole()).Word(ShellQuote(g.SourceText(command))).Write();
}

// How a command names a program: the name as written, and what kind of
// program it is.
struct ProgramName {
  std::string literal;
  bool batch_file = false;
  bool windows_program = false;
  bool powershell = false;
};

// Runs one of Windows' own programs that has a rule of its own. Returns false
// when the program is run by its name, after setting that name in `program`.
bool RunWindowsProgram(Generator& g, const batch::Command& command, const std::string& own_name,
                       ProgramName& program) {
  const WindowsProgram* known =
      own_name.empty() ? nullptr : FindWindowsProgram(own_name, g.options());
  if (known == nullptr) return false;
  switch (known->kind) {
    case WindowsProgram::Kind::kHelper:
      if (known->name == "attrib" && !AttribNote(g, command)) return true;
      CallHelperWithWords(g, command, *known->helper, command.simple().arguments);
      return true;
    case WindowsProgram::Kind::kWithoutArguments:
      if (!TrimBlanks(command.simple().arguments).empty()) {
        g.NotTranslated(command,
                        std::string(known->name) +
                            " with arguments: Windows' accounts, groups and "
                            "privileges have no counterpart here",
                        "stop-program-arguments");
        return true;
      }
      CallHelperWithWords(g, command, *known->helper, command.simple().arguments);
      return true;
    case WindowsProgram::Kind::kCmd:
      TranslateCmd(g, command, command.simple().arguments);
      return true;
    case WindowsProgram::Kind::kStopped:
      StopProgram(g, command, known->name);
      return true;
    case WindowsProgram::Kind::kPowershell:
    case WindowsProgram::Kind::kAsIs:
      // Run by the name here, wherever Windows keeps it.
      program.literal = own_name;
      program.windows_program =
          EndsWith(Lower(program.literal), ".exe") || EndsWith(Lower(program.literal), ".com");
      if (known->kind == WindowsProgram::Kind::kPowershell) {
        program.literal = "pwsh";
        program.windows_program = false;
        program.powershell = true;
      }
      break;
  }
  return false;
}

// Runs a command whose whole line comes from a value ("%CMD%"), which cmd
// reads when it runs: its name may be a built-in's, or nothing at all.
void RunLineFromValue(Generator& g, const batch::Command& command, CommandBuilder& run,
                      bool called) {
  Text line = command.simple().name;
  line.Append(command.simple().arguments);
  run.prelude()->push_back("_rl=" + run.Value(line));
  run.Redirect(command);
  g.out().Use({Helper::kCargs, Helper::kArgv});
  if (!g.options().allowed_programs.empty()) {
    // Windows' own programs that the options say to run by their names.
    std::string allowed;
    for (const std::string& program : g.options().allowed_programs) {
      allowed.append(allowed.empty() ? "" : " ").append(Lower(program));
    }
    run.AfterPrelude("_wpa=" + ShellQuote(allowed));
  }
  run.Call(Helper::kRunb).Word(ScriptWriter::LineNumberHole()).Write();
  if (!called) LeaveWhenABatchFileRan(g);
}

// Runs another batch file, converted to a script, in this shell.
void RunBatchFile(Generator& g, CommandBuilder& run, const std::string& literal,
                  const std::string& arguments, bool called) {
  std::string path = literal;
  std::replace(path.begin(), path.end(), '\\', '/');
  const std::string base = path.substr(path.rfind('/') + 1);
  g.Note("runs " + base.substr(0, base.size() - 4) + ".sh, the script converted from " + base +
         ", in this shell: the variables it sets stay set");
  run.Call(Helper::kRun).Word(ShellQuote(path)).Append(arguments).Write();
  if (!called) {
    // Without call, the other batch file takes this one's place: when it
    // ends, so does this one.
    g.out().Line(g.LeaveBatch(false));
  }
}

// Runs powershell as pwsh when pwsh is found here.
void RunPowershell(Generator& g, const batch::Command& command, CommandBuilder& run,
                   const std::string& arguments) {
  const std::string& redirections = run.redirections();
  run.WritePrelude();
  // pwsh reads powershell's options; without it, powershell has no
  // counterpart here.
  g.Note("runs pwsh when it is found here, and stops as a Windows program otherwise");
  g.out().Use(Helper::kPwsh);
  g.out().Use(Helper::kNtp);
  g.out().Line("if _pwsh; then");
  g.out().Indent();
  g.out().Line("_run \"$_pw\"" + arguments + redirections);
  g.out().Dedent();
  g.out().Line("else");
  g.out().Indent();
  g.out().Line("_ntp " + ScriptWriter::LineNumberHole() + " " + ShellQuote(g.SourceText(command)) +
               redirections);
  g.out().Dedent();
  g.out().Line("fi");
}

// The program's arguments as sh words, each after a blank; empty when they
// are left to be cut when the command runs.
std::string ProgramArguments(Generator& g, CommandBuilder& run, const Text& text, bool batch_file) {
  Prelude& prelude = *run.prelude();
  // Values that may hold blanks or quotes leave the words to be cut when the
  // command runs, as cmd cuts them: for a batch file, quotes kept. A
  // program's words change with any value, even one in quotes: a backslash
  // that ends it escapes the quote after it.
  std::string arguments;
  // %* stands for the script's own arguments, already cut.
  const bool only_all_arguments =
      std::all_of(text.pieces().begin(), text.pieces().end(), [](const batch::Piece& piece) {
        return piece.kind == batch::Piece::Kind::kLiteral ||
               piece.kind == batch::Piece::Kind::kAllArguments;
      });
  if (!only_all_arguments && (batch_file ? HasUnquotedExpansion(text) : !text.IsLiteral())) {
    g.out().Use({Helper::kCargs, Helper::kArgv});
    prelude.push_back("_rl=" + run.Value(text));
  } else {
    for (const std::string& word :
         g.Words(text, batch_file ? WordStyle::kCall : WordStyle::kProgram, &prelude)) {
      arguments += " " + word;
    }
  }
  return arguments;
}

// The program's name as one sh word, or as the words of its value.
std::string ProgramWord(Generator& g, CommandBuilder& run, const Text& name, ProgramName& program) {
  Prelude& prelude = *run.prelude();
  std::string word;
  if (!program.literal.empty()) {
    // A Windows program's name without its ".exe" is the name of its
    // counterpart here.
    if (program.windows_program) program.literal.resize(program.literal.size() - 4);
    const std::vector<std::string> words =
        g.Words(Text(program.literal), WordStyle::kProgram, &prelude);
    word = words.empty() ? "''" : words[0];
  } else {
    const std::vector<std::string> words = g.Words(name, WordStyle::kProgram, &prelude);
    for (const std::string& each : words) word += (word.empty() ? "" : " ") + each;
    if (word.empty()) word = "''";
  }
  return word;
}

}  // namespace

void TranslateProgram(Generator& g, const batch::Command& command, bool called) {
  CommandBuilder run(g);
  const Text& name = command.simple().name;
  ProgramName program;
  if (name.IsLiteral()) {
    program.literal = name.LiteralPart();
    program.literal.erase(std::remove(program.literal.begin(), program.literal.end(), '"'),
                          program.literal.end());
  }
  const std::string& literal = program.literal;
  // A drive's name alone changes to that drive, at its root here.
  if (literal.size() == 2 && literal[1] == ':' && batch::IsLetter(literal[0]) &&
      command.simple().arguments.empty()) {
    run.Redirect(command).Call(Helper::kCd).Word(ShellQuote(literal)).Write();
    return;
  }
  const std::string lower = Lower(literal);
  program.batch_file = EndsWith(lower, ".bat") || EndsWith(lower, ".cmd");
  program.windows_program = EndsWith(lower, ".exe") || EndsWith(lower, ".com");
  if (RunWindowsProgram(g, command, WindowsProgramName(name), program)) return;
  if (literal.empty() && name.pieces().size() == 1) {
    RunLineFromValue(g, command, run, called);
    return;
  }
  const std::string arguments =
      ProgramArguments(g, run, command.simple().arguments, program.batch_file);
  run.Redirect(command);
  if (program.batch_file) {
    RunBatchFile(g, run, literal, arguments, called);
    return;
  }
  const std::string word = ProgramWord(g, run, name, program);
  g.out().Use(Helper::kRun);
  if (program.powershell) {
    RunPowershell(g, command, run, arguments);
    return;
  }
  run.Call(Helper::kRun).Word(word).Append(arguments).Write();
  // A name known only now, or one without an extension, may be a batch
  // file's.
  const std::string base = literal.substr(literal.find_last_of("\\/:") + 1);
  if (!called && (literal.empty() || base.find('.') == std::string::npos)) {
    LeaveWhenABatchFileRan(g);
  }
}

namespace {

// What cmd's own switches say, and the command after /c or /k.
struct CmdLine {
  bool found = false;         // /c or /k
  bool keep = false;          // /k
  bool strip_quotes = false;  // /s
  char delayed = 0;           // '1' for /v:on, '0' for /v:off
  bool readable = true;       // false when a switch comes from a value
  Text rest;
};

CmdLine ReadCmdLine(const Text& arguments) {
  CmdLine line;
  bool in_rest = false;
  for (const Piece& piece : arguments.pieces()) {
    if (in_rest) {
      line.rest.Append(piece);
      continue;
    }
    if (piece.kind != Piece::Kind::kLiteral) {
      line.readable = false;
      return line;
    }
    const std::string& text = piece.text;
    size_t i = 0;
    while (i < text.size() && !in_rest) {
      if (batch::IsSeparator(text[i])) {
        ++i;
        continue;
      }
      if (text[i] != '/') {
        // Text that is no switch: cmd would wait for commands at its prompt.
        return line;
      }
      size_t end = i + 1;
      while (end < text.size() && !batch::IsBlank(text[end]) && text[end] != '/') ++end;
      const std::string word = Lower(std::string_view(text).substr(i + 1, end - i - 1));
      const char letter = word.empty() ? '\0' : word[0];
      if (letter == 'c' || letter == 'k') {
        line.found = true;
        line.keep = letter == 'k';
        // The command starts right after the letter, blanks skipped.
        size_t start = i + 2;
        while (start < text.size() && batch::IsBlank(text[start])) ++start;
        line.rest.Append(std::string_view(text).substr(start));
        in_rest = true;
        break;
      }
      if (word == "s") line.strip_quotes = true;
      if (word == "v:on") line.delayed = '1';
      if (word == "v:off") line.delayed = '0';
      i = end;
    }
  }
  // Blanks before the command in a later piece.
  if (in_rest) line.rest = SkipBlanks(line.rest);
  return line;
}

// cmd's rule for a command that starts with a quote: the quotes stay when
// there are just two, around a name with a blank and none of &<>()@^|, that
// names a program (here: ends in .exe, .com, .bat or .cmd); otherwise the
// first quote and the last one are taken away.
Text CmdQuotes(const Text& rest, bool strip) {
  const std::vector<Piece>& pieces = rest.pieces();
  if (pieces.empty() || pieces[0].kind != Piece::Kind::kLiteral || pieces[0].text.empty() ||
      pieces[0].text[0] != '"') {
    return rest;
  }
  if (!strip && rest.IsLiteral()) {
    const std::string text = rest.LiteralPart();
    const size_t second = text.find('"', 1);
    const std::string inside =
        Lower(text.substr(1, second == std::string::npos ? std::string::npos : second - 1));
    const bool two = second != std::string::npos && text.find('"', second + 1) == std::string::npos;
    const bool program = EndsWith(inside, ".exe") || EndsWith(inside, ".com") ||
                         EndsWith(inside, ".bat") || EndsWith(inside, ".cmd");
    if (two && program && inside.find_first_of("&<>()@^|") == std::string::npos &&
        inside.find_first_of(" \t") != std::string::npos) {
      return rest;
    }
  }
  size_t last_piece = pieces.size();
  size_t last_at = 0;
  for (size_t p = 0; p < pieces.size(); ++p) {
    if (pieces[p].kind != Piece::Kind::kLiteral) continue;
    const size_t at = pieces[p].text.rfind('"');
    if (at != std::string::npos && !(p == 0 && at == 0)) {
      last_piece = p;
      last_at = at;
    }
  }
  Text result;
  for (size_t p = 0; p < pieces.size(); ++p) {
    if (pieces[p].kind != Piece::Kind::kLiteral) {
      result.Append(pieces[p]);
      continue;
    }
    std::string text = pieces[p].text;
    if (p == last_piece) text.erase(last_at, 1);
    if (p == 0) text.erase(0, 1);
    result.Append(text);
  }
  return result;
}

// True when a command of the sequence jumps to a label, which a command line
// has none of.
bool Jumps(const batch::Sequence& sequence) {
  bool jumps = false;
  batch::ForEachCommand(sequence, [&](const batch::Command& command) {
    const batch::SimpleCommand* simple = command.As<batch::SimpleCommand>();
    if (jumps || simple == nullptr) return;
    if (simple->word == "goto") jumps = true;
    if (simple->word == "call") {
      const std::string text = simple->arguments.LiteralPart();
      const auto first = std::find_if_not(text.begin(), text.end(), batch::IsSeparator);
      jumps = first != text.end() && *first == ':';
    }
  });
  return jumps;
}

// The one command of a sequence, or nullptr.
const batch::Command* OnlyCommand(const batch::Sequence& sequence) {
  if (sequence.items.size() != 1 || sequence.items[0].pipelines.size() != 1 ||
      sequence.items[0].pipelines[0].commands.size() != 1) {
    return nullptr;
  }
  return sequence.items[0].pipelines[0].commands[0].get();
}

bool HasDelayedChoice(const Text& text) {
  for (const Piece& piece : text.pieces()) {
    if (piece.if_not_delayed() != nullptr) return true;
  }
  return false;
}

}  // namespace

// cmd /c and cmd /k run the rest of the line as a statement in a new cmd,
// which has its own variables and ends with the errorlevel it leaves. The
// rest is read again here as cmd reads it: its values were put in by the cmd
// that runs this one, so they are taken when the child runs, which is at
// once.
void TranslateCmd(Generator& g, const batch::Command& command, const Text& arguments) {
  const CmdLine line = ReadCmdLine(arguments);
  if (!line.readable) {
    g.NotTranslated(command, "cmd with switches known only when it runs", "stop-cmd-switches");
    return;
  }
  if (!line.found) {
    g.NotTranslated(command, "cmd without /c or /k reads commands from its input",
                    "stop-cmd-interactive");
    return;
  }
  const Text rest = CmdQuotes(line.rest, line.strip_quotes);
  const std::string source = batch::SourceForm(rest);
  const std::vector<std::string_view> lines = batch::SplitLines(source);
  std::vector<batch::Statement> statements;
  {
    batch::Parser parser(lines, g.loop_letters());
    batch::Statement statement;
    while (parser.Next(&statement)) {
      if (statement.kind == batch::Statement::Kind::kCommands) {
        statements.push_back(std::move(statement));
      }
      statement = batch::Statement();
    }
  }
  for (const batch::Statement& statement : statements) {
    if (Jumps(statement.body)) {
      g.NotTranslated(command,
                      "cmd /c with a goto or call to a label, which cmd refuses "
                      "outside a batch file",
                      "stop-cmd-label");
      return;
    }
  }
  if (line.keep) {
    g.Note("cmd /k: the new cmd would then wait for commands at its prompt; here it ends");
  }
  CommandBuilder child(g);
  child.Redirect(command);
  const std::string& redirections = child.redirections();
  // "cmd /c exit N" only sets the errorlevel, all 32 bits of it.
  const batch::Command* only = statements.size() == 1 ? OnlyCommand(statements[0].body) : nullptr;
  const batch::SimpleCommand* simple = only != nullptr ? only->As<batch::SimpleCommand>() : nullptr;
  if (statements.empty() ||
      (simple != nullptr && simple->word == "exit" && only->redirections.empty() &&
       redirections.empty() && !HasDelayedChoice(simple->arguments))) {
    bool batch_only = false;
    const std::string code =
        statements.empty() ? std::string() : ExitCode(g, *only, &batch_only, child.prelude());
    child.WriteAssignment("_el=" + (code.empty() ? std::string("0") : code));
    // The child's success, for && and ||.
    g.out().Line("[ \"$_el\" = 0 ]");
    return;
  }
  // The child is a function in a subshell, so that exit /b ends it; its
  // exit status, the errorlevel's low byte (127 for 9009), is the errorlevel
  // it leaves.
  g.KeepPercentValues(rest, child.prelude());
  child.WritePrelude();
  g.out().Line("(");
  g.out().Indent();
  if (line.delayed != 0) g.out().Line(std::string("_dx=") + line.delayed);
  g.out().Line("_cc() {");
  g.out().Indent();
  const size_t start = g.out().text().size();
  g.EmitCommandLine(rest);
  if (!ScriptWriter::HasCommand(g.out().text().substr(start))) g.out().Line(":");
  g.out().Dedent();
  g.out().Line("}");
  g.out().Line("_cc \"$@\"");
  g.out().Line("[ \"$_el\" != 9009 ] || exit 127");
  g.out().Use(Helper::kExit);
  g.out().Line("_exit");
  g.out().Dedent();
  g.out().Line(")" + redirections);
  g.out().Use(Helper::kCst);
  g.out().Line("_cst");
}

}  // namespace morvex
