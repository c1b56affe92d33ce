// The forms of set, call, goto, exit, cd and pushd, read from a command as the
// parser gives it and written back in a compact outline ("assign <x> <1>").

#include "parser/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parser/parser.h"

namespace morvex::batch {
namespace {

// The arguments of the one command on `line`, as the parser reads them.
Text ArgumentsOf(const std::string& line) {
  const std::vector<std::string_view> lines = {line};
  Parser parser(lines);
  Statement statement;
  EXPECT_TRUE(parser.Next(&statement));
  return statement.body.items[0].pipelines[0].commands[0]->simple().arguments;
}

std::string Angled(const Text& text) {
  return "<" + Outline(text) + ">";
}

std::string SetOutline(const std::string& line) {
  return std::visit(
      Overloaded{
          [](const SetShow& show) { return "show " + Angled(show.prefix); },
          [](const SetAssign& assign) {
            return "assign " + Angled(assign.name) + " " + Angled(assign.value);
          },
          [](const SetPrompt& prompt) {
            return "prompt " + Angled(prompt.name) + " " + Angled(prompt.prompt);
          },
          [](const SetArithmetic& arithmetic) {
            return "arithmetic " + Angled(arithmetic.expression);
          },
          [](SetMistake mistake) {
            return std::string(mistake == SetMistake::kWithoutName ? "no name" : "no equals");
          },
      },
      ReadSet(ArgumentsAfterWord(ArgumentsOf(line))));
}

std::string CallOutline(const std::string& line) {
  return std::visit(Overloaded{
                        [](CallNothing) { return std::string("nothing"); },
                        [](const CallLabel& label) {
                          return "label " + Angled(label.label) + " " + Angled(label.rest);
                        },
                        [](const CallCommand& called) {
                          return "command " + Angled(called.word) + " " + Angled(called.rest);
                        },
                    },
                    ReadCall(ArgumentsAfterWord(ArgumentsOf(line))));
}

std::string GotoOutline(const std::string& line) {
  return std::visit(
      Overloaded{
          [](GotoNothing) { return std::string("nothing"); },
          [](const GotoLabel& label) { return "label <" + label.name + ">"; },
          [](const GotoComputed& computed) { return "computed " + Angled(computed.target); },
      },
      ReadGoto(ArgumentsOf(line)));
}

std::string ExitOutline(const std::string& line) {
  const ExitForm exit = ReadExit(ArgumentsAfterWord(ArgumentsOf(line)));
  return (exit.batch_only ? "/b " : "") + Angled(exit.code);
}

struct Row {
  std::string line;
  std::string outline;
};

TEST(ArgumentsTest, SetForms) {
  const Row rows[] = {
      {"set x=1", "assign <x> <1>"},
      {"set   x=a=b ", "assign <x> <a=b >"},
      {"set,x=1", "assign <x> <1>"},
      {"set x%y%=%z%", "assign <x{%y}> <{%z}>"},
      // Between the first quote and the last; what follows the last is dropped.
      {"set \"x=a b\" junk", "assign <x> <a b>"},
      {"set \"x=a\"b\"", "assign <x> <a\"b>"},
      {"set \"x=open", "assign <x> <open>"},
      {"set x=", "assign <x> <>"},
      {"set =1", "no name"},
      {"set \"=1\"", "no name"},
      {"set", "show <>"},
      {"set  pre ", "show <pre>"},
      {"set \"pre\"", "show <pre>"},
      {"set /a x=1+2", "arithmetic < x=1+2>"},
      {"set /A\"x=1\"", "arithmetic <\"x=1\">"},
      {"set /p x=Name? ", "prompt <x> <Name? >"},
      {"set /P \"x=ask\" ", "prompt <x> <ask>"},
      {"set /p x", "no equals"},
      {"set /px=1", "prompt <x> <1>"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, SetOutline(row.line)) << row.line;
}

TEST(ArgumentsTest, CallForms) {
  const Row rows[] = {
      {"call :sub a b", "label <:sub> < a b>"},
      {"call ::sub", "label <::sub> <>"},
      {"call ,;:sub,x", "label <:sub> <,x>"},
      {"call", "nothing"},
      {"call  , ", "nothing"},
      {"call other.bat 1 2", "command <other.bat> < 1 2>"},
      {"call \"my prog.bat\" x", "command <\"my prog.bat\"> < x>"},
      {"call %p% x", "command <{%p}> < x>"},
      {"call %p%:x y", "command <{%p}:x> < y>"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, CallOutline(row.line)) << row.line;
}

TEST(ArgumentsTest, GotoForms) {
  const Row rows[] = {
      {"goto", "nothing"},
      {"goto  ,; ", "nothing"},
      {"goto End of it", "label <end>"},
      {"goto:eof", "label <:eof>"},
      {"goto :EOF", "label <:eof>"},
      {"goto eof", "label <eof>"},
      {"goto ,;menu+1", "label <menu>"},
      {"goto %x%", "computed <{%x}>"},
      {"goto menu_%x%", "computed <menu_{%x}>"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, GotoOutline(row.line)) << row.line;
}

TEST(ArgumentsTest, ExitForms) {
  const Row rows[] = {
      {"exit", "<>"},
      {"exit 5 6", "<5>"},
      {"exit /b", "/b <>"},
      {"exit /B 3", "/b <3>"},
      {"exit/b 3", "/b <3>"},
      {"exit /b,7", "/b <7>"},
      {"exit /b %x% 1", "/b <{%x}>"},
      // A word that only starts with /b is the code.
      {"exit /b3", "</b3>"},
      {"exit /bye", "</bye>"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, ExitOutline(row.line)) << row.line;
}

TEST(ArgumentsTest, FolderOfCdAndPushd) {
  struct FolderRow {
    std::string line;
    std::string cd;
    std::string pushd;
  };
  const FolderRow rows[] = {
      {"cd", "<>", "<>"},           {"cd  my dir ", "<my dir>", "<my dir>"},
      {"cd..", "<..>", "<..>"},     {"cd\\", "<\\>", "<\\>"},
      {"cd,sub", "<sub>", "<sub>"}, {"cd /d d:\\x y", "<d:\\x y>", "</d d:\\x y>"},
      {"cd /D", "<>", "</D>"},      {"cd %x%", "<{%x}>", "<{%x}>"},
  };
  for (const FolderRow& row : rows) {
    const Text arguments = ArgumentsOf(row.line);
    EXPECT_EQ(row.cd, Angled(ReadFolder(arguments, /*drive_switch=*/true))) << row.line;
    EXPECT_EQ(row.pushd, Angled(ReadFolder(arguments, /*drive_switch=*/false))) << row.line;
  }
}

}  // namespace
}  // namespace morvex::batch
