// How the generator writes the values of batch text in sh: literal bytes
// quoted, expansions read from the variables that hold them, and the words a
// command's text falls into.

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "generator/commands/commands.h"
#include "generator/generator.h"
#include "generator/runtime_library.h"
#include "generator/sh_quote.h"
#include "generator/shell_names.h"

namespace morvex {
namespace {

using batch::Piece;
using batch::Text;

// A path that names a drive, "C:\x", "c:/x", "D:" or "c:x", or the root of
// the current drive, "\x", but not a network path, "\\server\share".
bool IsWindowsPath(std::string_view path) {
  if (path.size() >= 2 && batch::IsLetter(path[0]) && path[1] == ':') {
    return true;
  }
  return path.size() >= 1 && path[0] == '\\' && (path.size() == 1 || path[1] != '\\');
}

// A program's word that names a drive with its root or alone, "C:\x",
// "c:/x" or "D:": a program reads "c:x" as anything else.
bool IsDriveWord(std::string_view word) {
  return IsWindowsPath(word) && word[0] != '\\' &&
         (word.size() == 2 || word[2] == '\\' || word[2] == '/');
}

// Builds one word of a command out of quoted literal runs and expansions.
class WordBuilder {
 public:
  void Literal(char c) {
    literal_ += c;
    if (!computed_) text_ += c;
    started_ = true;
  }
  void Expansion(const std::string& value, bool quoted) {
    FlushLiteral();
    word_ += quoted ? "\"" + value + "\"" : value;
    started_ = true;
    computed_ = true;
  }
  void Raw(const std::string& text) {
    FlushLiteral();
    word_ += text;
    started_ = true;
    computed_ = computed_ || !text.empty();
  }
  bool started() const { return started_; }
  // The word's bytes, when no part of it is computed when the script runs.
  std::optional<std::string_view> Known() const {
    if (computed_) return std::nullopt;
    return text_;
  }
  std::string Take() {
    FlushLiteral();
    started_ = false;
    computed_ = false;
    text_.clear();
    return std::exchange(word_, std::string());
  }

 private:
  void FlushLiteral() {
    if (literal_.empty()) return;
    word_ += ShellQuote(literal_);
    literal_.clear();
  }
  std::string word_;
  std::string literal_;
  std::string text_;
  bool started_ = false;
  bool computed_ = false;
};

// A count of characters small enough to write as a pattern of "?".
std::optional<size_t> SmallCount(std::string_view number) {
  if (number == "0") return 0;
  if (number.empty() || number.size() > 2 || number[0] < '1' || number[0] > '9') return {};
  if (number.size() == 2 && (number[1] < '0' || number[1] > '9')) return {};
  const size_t count = std::stoul(std::string(number));
  if (count > 16) return {};
  return count;
}

// %x:~3%, %x:~3,7% and %x:~-8% with small literal numbers, which most
// substrings are, are cut by patterns in place; the rest by _substr.
bool IsSmallSubstring(const batch::Substring& substring) {
  const std::string_view start = substring.start;
  if (!start.empty() && start[0] == '-')
    return !substring.length && SmallCount(start.substr(1)).value_or(0) > 0;
  return SmallCount(start) && (!substring.length || SmallCount(*substring.length));
}

void SmallSubstring(const std::string& temporary, const std::string& base,
                    const batch::Substring& substring, Prelude* prelude) {
  prelude->push_back(temporary + "=\"" + base + "\"");
  const std::string v = "${" + temporary + "}";
  if (substring.start[0] == '-') {
    // The last characters: a shorter value is kept whole.
    const std::string last(*SmallCount(std::string_view(substring.start).substr(1)), '?');
    prelude->push_back("case " + v + " in " + last + "*) " + temporary + "=${" + temporary +
                       "#\"${" + temporary + "%" + last + "}\"} ;; esac");
    return;
  }
  if (const size_t start = *SmallCount(substring.start); start > 0) {
    // Skipping more characters than the value holds leaves nothing.
    const std::string skipped(start, '?');
    prelude->push_back("case " + v + " in " + skipped + "*) " + temporary + "=${" + temporary +
                       "#" + skipped + "} ;; *) " + temporary + "= ;; esac");
  }
  if (!substring.length) return;
  const size_t length = *SmallCount(*substring.length);
  if (length == 0) {
    prelude->push_back(temporary + "=");
    return;
  }
  const std::string kept(length, '?');
  prelude->push_back("case " + v + " in " + kept + "?*) " + temporary + "=${" + temporary +
                     "%\"${" + temporary + "#" + kept + "}\"} ;; esac");
}

}  // namespace

std::string DynamicValue(std::string_view upper_name,
                         const std::function<std::string(Helper)>& compute) {
  // A variable the batch file sets wins over the value cmd makes up, so each
  // is read through its own name first (which for the names a shell owns is
  // not the name itself: the batch file's USERNAME is xUSERNAME).
  if (upper_name == "ERRORLEVEL") return "${ERRORLEVEL-$_el}";
  if (upper_name == "CD") return "${CD-$PWD}";
  if (upper_name == "CMDEXTVERSION") return "${CMDEXTVERSION-2}";
  if (upper_name == "OS") return "${OS-Windows_NT}";
  if (upper_name == "USERPROFILE") return "${USERPROFILE-$HOME}";
  if (upper_name == "TEMP") return "${TEMP-${TMPDIR:-/tmp}}";
  if (upper_name == "TMP") return "${TMP-${TMPDIR:-/tmp}}";
  if (upper_name == "USERNAME") return "${xUSERNAME-${USERNAME-$(command -p id -un)}}";
  if (upper_name == "COMPUTERNAME") return "${COMPUTERNAME-$(command -p uname -n)}";
  static constexpr std::pair<std::string_view, Helper> kComputed[] = {
      {"RANDOM", Helper::kRandom}, {"DATE", Helper::kDate}, {"TIME", Helper::kTime}};
  for (const auto& [name, helper] : kComputed) {
    if (upper_name != name) continue;
    std::string value = compute(helper);  // "${_eN}"
    return "${" + ShellVariableName(name) + "-$" + value.substr(2);
  }
  return "";
}

bool WindowsFolderVariable(std::string_view shell_name) {
  static constexpr std::string_view kNames[] = {"ALLUSERSPROFILE",
                                                "APPDATA",
                                                "COMMONPROGRAMFILES",
                                                "COMMONPROGRAMW6432",
                                                "COMSPEC",
                                                "HOMEDRIVE",
                                                "HOMEPATH",
                                                "LOCALAPPDATA",
                                                "NUMBER_OF_PROCESSORS",
                                                "PATHEXT",
                                                "PROCESSOR_ARCHITECTURE",
                                                "PROGRAMDATA",
                                                "PROGRAMFILES",
                                                "PROGRAMW6432",
                                                "PUBLIC",
                                                "SYSTEMDRIVE",
                                                "SYSTEMROOT",
                                                "WINDIR",
                                                "xCOMMONPROGRAMFILES_28X86_29",
                                                "xPROGRAMFILES_28X86_29"};
  return std::find(std::begin(kNames), std::end(kNames), shell_name) != std::end(kNames);
}

bool AlwaysDefined(std::string_view name) {
  const std::string lower = Lower(name);
  return lower == "os" || lower == "userprofile" || lower == "temp" || lower == "tmp" ||
         lower == "username" || lower == "computername";
}

std::string Generator::Value(const Text& text, Prelude* prelude) {
  if (text.IsLiteral()) {
    const std::string bytes = text.LiteralPart();
    if (bytes.find('\n') == std::string::npos) return ShellQuote(bytes);
  }
  std::string word = "\"";
  for (const Piece& piece : text.pieces()) {
    if (piece.kind != Piece::Kind::kLiteral) {
      word += PieceValue(piece, prelude, /*convert_slashes=*/false);
      continue;
    }
    std::string_view rest = piece.text;
    for (size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
      word += DoubleQuoted(rest.substr(0, end));
      out_.Use(Helper::kNl);
      word += "${_nl}";
      rest.remove_prefix(end + 1);
    }
    word += DoubleQuoted(rest);
  }
  return word + "\"";
}

std::string Generator::PieceValue(const Piece& piece, Prelude* prelude, bool convert_slashes) {
  std::string value;
  const auto snapshot = snapshot_.empty() ? snapshot_.end() : snapshot_.find(PieceKey(piece));
  if (snapshot != snapshot_.end()) {
    value = "${" + snapshot->second + "}";
  } else {
    value = ExpansionValue(piece, prelude);
  }
  // With delayed expansion on, cmd reads "!" in what an expansion put into
  // the text too: "wow!" loses its mark. Where only the run knows whether it
  // is on, a value is taken as it is.
  if (current_command_ != nullptr && current_command_->delayed == batch::Delayed::kOn &&
      piece.kind != Piece::Kind::kDelayedVariable) {
    out_.Use(Helper::kDx);
    const std::string temporary = Temporary();
    prelude->push_back("_dx " + temporary + " \"" + value + "\"");
    value = "${" + temporary + "}";
  }
  if (!convert_slashes) return value;
  out_.Use(Helper::kBs);
  const std::string temporary = Temporary();
  prelude->push_back("_bs " + temporary + " \"" + value + "\"");
  return "${" + temporary + "}";
}

std::string Generator::ComputedValue(Helper helper, const std::string& arguments,
                                     Prelude* prelude) {
  out_.Use(helper);
  const std::string temporary = Temporary();
  prelude->push_back(std::string(HelperName(helper)) + " " + temporary + " " + arguments);
  return "${" + temporary + "}";
}

std::string Generator::DelayedOrNotValue(const Piece& piece, const std::vector<Piece>& otherwise,
                                         Prelude* prelude) {
  Piece variable = piece;
  variable.mutable_details().if_delayed = false;
  const bool nothing = piece.text.empty() && piece.inner().empty();
  const std::string on = nothing ? "" : ExpansionValue(variable, prelude);
  Text off;
  for (const Piece& part : otherwise) off.Append(part);
  const std::string off_value = Value(off, prelude);
  const std::string temporary = Temporary();
  prelude->push_back("if [ \"${_dx:-0}\" = 1 ]; then " + temporary + "=\"" + on + "\"; else " +
                     temporary + "=" + off_value + "; fi");
  return "${" + temporary + "}";
}

std::string Generator::VariableValue(const Piece& piece, Prelude* prelude) {
  if (const std::vector<Piece>* otherwise = piece.if_not_delayed()) {
    // Read only if delayed expansion is on when the command runs.
    return DelayedOrNotValue(piece, *otherwise, prelude);
  }
  if (!piece.inner().empty()) {
    Text inner;
    for (const Piece& part : piece.inner()) inner.Append(part);
    return ComputedValue(Helper::kDvar, Value(inner, prelude), prelude);
  }
  const std::string name = batch::Upper(piece.text);
  std::string base =
      DynamicValue(name, [&](Helper helper) { return ComputedValue(helper, "", prelude); });
  if (base.empty()) {
    const std::string variable = ShellVariableName(piece.text);
    if (WindowsFolderVariable(variable)) out_.Use(Helper::kWinenv);
    base = "${" + variable + "}";
  }
  const batch::VariableEdit& edit = piece.edit();
  std::string edited;
  if (const batch::Substring* substring = std::get_if<batch::Substring>(&edit)) {
    if (IsSmallSubstring(*substring)) {
      const std::string temporary = Temporary();
      SmallSubstring(temporary, base, *substring, prelude);
      edited = "${" + temporary + "}";
    } else {
      edited = ComputedValue(Helper::kSubstr,
                             "\"" + base + "\" " + ShellQuote(substring->start) +
                                 (substring->length ? " " + ShellQuote(*substring->length) : ""),
                             prelude);
    }
  } else if (const batch::Replacement* replacement = std::get_if<batch::Replacement>(&edit)) {
    edited =
        ComputedValue(Helper::kReplace,
                      "\"" + base + "\" " + ShellQuote(replacement->old_text) + " " +
                          ShellQuote(replacement->new_text) + (replacement->star ? " '*'" : ""),
                      prelude);
  } else {
    return base;
  }
  const std::string variable = ShellVariableName(piece.text);
  if (piece.kind == Piece::Kind::kVariable && base == "${" + variable + "}") {
    // cmd drops "%name:" of a variable that is not defined and reads on
    // after the colon: "%undef:~0,2%" gives "~0,2".
    const std::string written = batch::SourceForm(edit);
    prelude->push_back("[ -n \"${" + variable + "+1}\" ] || " +
                       edited.substr(2, edited.size() - 3) + "=" + ShellQuote(written));
  }
  return edited;
}

std::string Generator::ArgumentValue(const Piece& piece, Prelude* prelude) {
  if (piece.index == 0) {
    if (piece.modifiers().empty()) {
      out_.Use(Helper::kA0);
      return "${_a0}";
    }
    const std::string lower = Lower(piece.modifiers());
    if (lower == "~dp") {
      out_.Use(Helper::kD0);
      return "${_d0}";
    }
    if (lower == "~") {
      // %0 without its quotes: the label of a call, or what shift moved there.
      out_.Use(Helper::kA0);
      return ComputedValue(Helper::kUnq, "\"${_a0}\"", prelude);
    }
    out_.Use(Helper::kBf);
    return ComputedValue(Helper::kArgmod, ShellQuote(piece.modifiers()) + " \"${_bf}\"", prelude);
  }
  const std::string argument = "${" + std::to_string(piece.index) + "}";
  if (piece.modifiers().empty()) return argument;
  if (piece.modifiers() == "~") {
    return ComputedValue(Helper::kUnq, "\"" + argument + "\"", prelude);
  }
  return ComputedValue(Helper::kArgmod, ShellQuote(piece.modifiers()) + " \"" + argument + "\"",
                       prelude);
}

std::string Generator::ExpansionValue(const Piece& piece, Prelude* prelude) {
  switch (piece.kind) {
    case Piece::Kind::kLiteral:
      return DoubleQuoted(piece.text);
    case Piece::Kind::kVariable:
    case Piece::Kind::kDelayedVariable:
      return VariableValue(piece, prelude);
    case Piece::Kind::kArgument:
      return ArgumentValue(piece, prelude);
    case Piece::Kind::kAllArguments:
      // shift leaves %* as it was when the batch file or call began.
      reads_all_arguments_ = true;
      return "${_star}";
    case Piece::Kind::kLoopVariable: {
      const char letter = piece.text[0];
      if (std::find(loop_letters_.begin(), loop_letters_.end(), letter) == loop_letters_.end()) {
        return DoubleQuoted("%" + piece.modifiers() + piece.text);
      }
      const std::string variable = "${" + LoopVariableName(letter) + "}";
      if (piece.modifiers().empty()) return variable;
      if (piece.modifiers() == "~") {
        return ComputedValue(Helper::kUnq, "\"" + variable + "\"", prelude);
      }
      return ComputedValue(Helper::kArgmod, ShellQuote(piece.modifiers()) + " \"" + variable + "\"",
                           prelude);
    }
  }
  return "";
}

bool HasUnquotedExpansion(const Text& text) {
  bool quoted = false;
  for (const Piece& piece : text.pieces()) {
    if (piece.kind == Piece::Kind::kLiteral) {
      quoted = (std::count(piece.text.begin(), piece.text.end(), '"') % 2 == 1) != quoted;
    } else if (!quoted) {
      return true;
    }
  }
  return false;
}

std::vector<std::string> Generator::Words(const Text& text, WordStyle style, Prelude* prelude) {
  std::vector<std::string> words;
  WordBuilder word;
  bool quoted = false;
  size_t backslashes = 0;  // pending, for a Windows program's rules about quotes
  const char slash = style == WordStyle::kProgram ? '/' : '\\';
  auto flush_backslashes = [&](size_t count) {
    for (size_t i = 0; i < count; ++i) word.Literal(slash);
  };
  auto end_word = [&] {
    flush_backslashes(std::exchange(backslashes, 0));
    if (!word.started()) return;
    // A program's word that names a drive goes through the drive mapping.
    const std::optional<std::string_view> known = word.Known();
    if (style == WordStyle::kProgram && known && IsDriveWord(*known)) {
      out_.Use(Helper::kWp);
      const std::string temporary = Temporary();
      prelude->push_back("_wp " + temporary + " " + word.Take());
      words.push_back("\"${" + temporary + "}\"");
      return;
    }
    words.push_back(word.Take());
  };
  for (const Piece& piece : text.pieces()) {
    if (piece.kind != Piece::Kind::kLiteral) {
      flush_backslashes(std::exchange(backslashes, 0));
      if (piece.kind == Piece::Kind::kAllArguments && !quoted && !word.started()) {
        word.Raw("\"$@\"");
        continue;
      }
      word.Expansion(PieceValue(piece, prelude, style == WordStyle::kProgram), quoted);
      continue;
    }
    for (char c : piece.text) {
      if (style == WordStyle::kProgram && c == '\\') {
        ++backslashes;
        continue;
      }
      if (c == '"') {
        if (style == WordStyle::kProgram) {
          // Backslashes before a quote escape each other, and an odd one out
          // makes the quote a character of the word.
          flush_backslashes(backslashes / 2);
          const bool escaped = backslashes % 2 == 1;
          backslashes = 0;
          if (escaped) {
            word.Literal('"');
            continue;
          }
        }
        quoted = !quoted;
        if (style == WordStyle::kCall) {
          word.Literal('"');
        } else {
          word.Raw("");  // "" is still a word
        }
        continue;
      }
      flush_backslashes(std::exchange(backslashes, 0));
      const bool separates =
          style == WordStyle::kProgram ? batch::IsBlank(c) : batch::IsSeparator(c);
      if (!quoted && separates) {
        end_word();
        continue;
      }
      if (c == '\n') {
        out_.Use(Helper::kNl);
        word.Raw("\"${_nl}\"");
        continue;
      }
      word.Literal(c);
    }
  }
  end_word();
  for (std::string& w : words) {
    if (w.empty()) w = "''";
  }
  return words;
}

std::string Generator::Redirections(const batch::Command& command, Prelude* prelude) {
  using Kind = batch::Redirection::Kind;
  // When a handle is redirected twice, cmd opens every file named (creating
  // or emptying it) and the last one wins. The earlier files are opened on
  // their own first, so that no handle is redirected twice on one command.
  const std::vector<batch::Redirection>& all = command.redirections;
  std::vector<const batch::Redirection*> kept;
  for (size_t i = 0; i < all.size(); ++i) {
    bool later = false;
    for (size_t j = i + 1; j < all.size() && !later; ++j) later = all[j].handle == all[i].handle;
    if (!later) {
      kept.push_back(&all[i]);
    } else if (all[i].kind == Kind::kWrite || all[i].kind == Kind::kAppend) {
      batch::Command opened;
      opened.redirections.push_back(all[i]);
      prelude->push_back(":" + Redirections(opened, prelude));
    }
  }
  // "2>&1 >nul" points handle 2 where 1 was before 1 moves, as cmd does.
  for (size_t i = 0; i + 1 < kept.size(); ++i) {
    if (kept[i]->kind == Kind::kDuplicate && kept.back()->kind != Kind::kDuplicate) {
      prelude->push_back("# shellcheck disable=SC2069 # a handle copied before the other moves");
      break;
    }
  }
  std::string text;
  for (const batch::Redirection* kept_redirection : kept) {
    const batch::Redirection& redirection = *kept_redirection;
    text += ' ';
    const bool reads = redirection.kind == Kind::kRead;
    if (redirection.handle != (reads ? 0 : 1)) text += std::to_string(redirection.handle);
    switch (redirection.kind) {
      case Kind::kWrite:
        text += '>';
        break;
      case Kind::kAppend:
        text += ">>";
        break;
      case Kind::kRead:
        text += '<';
        break;
      case Kind::kDuplicate:
        text += ">&" + redirection.target.LiteralPart();
        continue;
    }
    if (redirection.target.IsLiteral()) {
      std::string path = redirection.target.LiteralPart();
      path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
      std::string lower = path;
      for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
      if (lower == "nul" || lower == "nul:") {
        text += "/dev/null";
      } else if (lower == "con" || lower == "con:") {
        text += "/dev/tty";
      } else if (!IsWindowsPath(path)) {
        std::replace(path.begin(), path.end(), '\\', '/');
        // A file named by digits alone ("n>0") reads as a mistaken
        // comparison; "./0" says that it is a file.
        if (!path.empty() && path.find_first_not_of("0123456789") == std::string::npos) {
          path.insert(0, "./");
        }
        text += ShellQuote(path);
      } else {
        // A drive goes through the drive mapping when the script runs.
        out_.Use(Helper::kPath);
        const std::string temporary = Temporary();
        prelude->push_back("_path " + temporary + " " + ShellQuote(path));
        text += "\"${" + temporary + "}\"";
      }
      continue;
    }
    out_.Use(Helper::kPath);
    const std::string temporary = Temporary();
    prelude->push_back("_path " + temporary + " " + Value(redirection.target, prelude));
    text += "\"${" + temporary + "}\"";
  }
  return text;
}

}  // namespace morvex
