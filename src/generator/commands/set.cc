// set: assigns, removes or shows variables; "set /a" computes and "set /p"
// asks. path: sets or shows the search path.

#include "generator/commands/commands.h"
#include "generator/sh_quote.h"
#include "generator/shell_names.h"

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

void Assign(Generator& g, const batch::Command& command, const Text& name, const Text& value) {
  CommandBuilder set(g);
  set.Redirect(command);
  if (!name.IsLiteral()) {
    // A name known only when the script runs is mapped to its sh name then.
    // The value's temporaries come before the name's.
    const std::string text = set.Value(value);
    set.Call(Helper::kSetvar).WordOf(name).Word(text).Write();
    return;
  }
  const std::string variable = ShellVariableName(name.LiteralPart());
  if (variable == "PATH" && !value.empty()) {
    // The folders of PATH are separated by ";" in cmd and by ":" here.
    set.Call(Helper::kSetpath).WordOf(value).AfterPrelude(KeepForEndlocal(g, "PATH")).Write();
    return;
  }
  set.AfterPrelude(KeepForEndlocal(g, variable));
  if (value.empty()) {
    set.Append("unset " + variable).Write();
  } else if (value.IsLiteral()) {
    set.Append("export " + variable + "=" + set.Value(value)).Write();
  } else {
    // An expansion may turn out empty, and "set x=" removes x.
    set.Call(Helper::kSet).Word(variable).WordOf(value).Write();
  }
}

// In a .cmd file, a set or path that succeeds clears the errorlevel.
void ClearErrorlevelInCmdFile(Generator& g) {
  if (Lower(g.options().extension) == "cmd") g.out().Line("_el=0");
}

}  // namespace

void TranslateSet(Generator& g, const batch::Command& command) {
  std::visit(
      batch::Overloaded{
          [&](const batch::SetArithmetic& arithmetic) {
            TranslateSetArithmetic(g, command, arithmetic.expression);
          },
          [&](const batch::SetPrompt& prompt) {
            if (!prompt.name.IsLiteral()) {
              g.NotTranslated(command, "set /p with a variable name known only when it runs",
                              "stop-set-prompt-at-run-time");
              return;
            }
            const std::string variable = ShellVariableName(prompt.name.LiteralPart());
            CommandBuilder(g, Helper::kSetp)
                .Redirect(command)
                .Word(variable)
                .WordOf(prompt.prompt)
                .AfterPrelude(KeepForEndlocal(g, variable))
                .Write();
          },
          [&](const batch::SetShow& show) {
            CommandBuilder(g, Helper::kSetshow).Redirect(command).WordOf(show.prefix).Write();
          },
          [&](const batch::SetAssign& assign) {
            Assign(g, command, assign.name, assign.value);
            ClearErrorlevelInCmdFile(g);
          },
          [&](batch::SetMistake mistake) {
            if (mistake == batch::SetMistake::kPromptWithoutEquals) {
              g.NotTranslated(command, "set /p needs a variable and an equals sign",
                              "stop-set-prompt");
            } else {
              g.NotTranslated(command, "set without a variable name is a syntax error in cmd",
                              "stop-set-name");
            }
          },
      },
      batch::ReadSet(ArgumentsAfterWord(command)));
}

void TranslatePath(Generator& g, const batch::Command& command) {
  const Text text = TrimBlanks(ArgumentsAfterWord(command));
  if (text.empty()) {
    CommandBuilder(g, "printf 'PATH=%s\\n' \"$PATH\"").Redirect(command).Write();
    return;
  }
  if (text.IsLiteral() && text.LiteralPart() == ";") {
    CommandBuilder(g, "unset PATH")
        .Redirect(command)
        .AfterPrelude(KeepForEndlocal(g, "PATH"))
        .Write();
    return;
  }
  Assign(g, command, Text("PATH"), text);
  ClearErrorlevelInCmdFile(g);
}

}  // namespace morvex
