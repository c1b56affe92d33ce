// echo: prints its text exactly as written, or shows or sets the echo state.

#include "generator/commands/commands.h"
#include "generator/sh_quote.h"

namespace morvex {

using batch::Piece;
using batch::Text;

void TranslateEcho(Generator& g, const batch::Command& command) {
  const Text& arguments = command.simple().arguments;
  CommandBuilder echo(g);
  echo.Redirect(command);
  // The character right after the word only separates the text from it:
  // "echo." and "echo(" print an empty line, "echo.x" prints "x". After a
  // space the text may instead be the state to show or set.
  const bool literal_start =
      !arguments.empty() && arguments.pieces()[0].kind == Piece::Kind::kLiteral;
  const char first = literal_start ? arguments.pieces()[0].text[0] : '\0';
  const bool after_separator = arguments.empty() || batch::IsSeparator(first);
  const Text text = batch::AfterFirstCharacter(arguments);
  if (text.empty() && batch::IsSeparator(first) && !batch::IsBlank(first)) {
    // "echo," "echo;" and "echo=" alone are blank-line forms too, as are the
    // other separators that are no blanks.
    echo.Append("echo").Write();
    return;
  }
  if (after_separator) {
    const Text trimmed = TrimBlanks(text);
    if (trimmed.empty()) {
      echo.Call(Helper::kEchostate).Write();
      return;
    }
    if (trimmed.IsLiteral()) {
      const std::string word = Lower(trimmed.LiteralPart());
      if (word == "on" || word == "off") {
        if (word == "off") g.EchoTurnedOff();
        echo.WriteAssignment("_eo=" + word);
        return;
      }
    }
    // Text that comes from values alone may turn out blank ("echo %unset%"),
    // or "on" or "off": only the run tells.
    bool written = false;
    for (const Piece& piece : trimmed.pieces()) {
      written = written || (piece.kind == Piece::Kind::kLiteral &&
                            piece.text.find_first_not_of(" \t") != std::string::npos);
    }
    if (!written) {
      echo.Call(Helper::kEcho).WordOf(text).Write();
      return;
    }
  }
  echo.Append("printf '%s\\n'").WordOf(text).Write();
}

}  // namespace morvex
