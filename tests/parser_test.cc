// The parser: batch text as cmd reads it, written back as the tree's
// outline. Each row gives one or more spellings of a statement and the
// outline they all give.

#include "parser/parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvex::batch {
namespace {

// The outlines of every statement of `text`, one per line.
std::string Parse(const std::string& text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  Parser parser(lines);
  Statement statement;
  std::string out;
  while (parser.Next(&statement)) out += Outline(statement) + "\n";
  return out;
}

struct Case {
  std::vector<std::string> spellings;
  std::string outline;  // one line per statement, without the last line end
};

void Check(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    for (const std::string& spelling : c.spellings) {
      EXPECT_EQ(c.outline + "\n", Parse(spelling)) << "input: " << spelling;
    }
  }
}

TEST(ParserTest, CommandWordsAndTheirText) {
  Check({
      {{"echo hi", "ECHO hi", "Echo hi"}, "echo[ hi]"},
      {{"echo.", "echo."}, "echo[.]"},
      {{"echo(text"}, "echo[(text]"},
      {{"cd.."}, "cd[..]"},
      {{"cd .."}, "cd[ ..]"},
      {{"  echo  a  ", "\techo  a  "}, "echo[  a  ]"},
      {{"@echo off", "@ echo off", "@@echo off"}, "@echo[ off]"},
      {{"echo.exe"}, "echo[.exe]"},
      {{"foo.exe a b", "foo.exe a b"}, "prog:foo.exe[ a b]"},
      {{"\"my prog\" x"}, "prog:\"my prog\"[ x]"},
      {{"tools\\build"}, "prog:tools\\build[]"},
      {{"echox"}, "prog:echox[]"},
  });
}

TEST(ParserTest, OperatorsBindAsInCmd) {
  Check({
      {{"a & b"}, "prog:a[ ] & prog:b[]"},
      {{"a&b"}, "prog:a[] & prog:b[]"},
      {{"a && b || c"}, "prog:a[ ] && prog:b[ ] || prog:c[]"},
      {{"a | b & c"}, "prog:a[ ] | prog:b[ ] & prog:c[]"},
      {{"a || b | c"}, "prog:a[ ] || prog:b[ ] | prog:c[]"},
      {{"echo a ^& b"}, "echo[ a & b]"},
  });
  EXPECT_EQ("echo[ \"a & b\"]\n", Parse("echo \"a & b\""));
}

TEST(ParserTest, RedirectionsComeOutOfTheText) {
  Check({
      {{"echo hi> f", "echo hi>f"}, "echo[ hi] 1>f"},
      {{"echo hi >f"}, "echo[ hi ] 1>f"},
      {{">f echo hi", "> f echo hi"}, "echo[ hi] 1>f"},
      {{"echo a 2>nul b"}, "echo[ a  b] 2>nul"},
      {{"prog >>log 2>&1"}, "prog:prog[  ] 1>>log 2>&1"},
      {{"sort <in"}, "prog:sort[ ] 0<in"},
      {{"echo a2>x"}, "echo[ a2] 1>x"},
      {{"echo 3>x"}, "echo[ ] 3>x"},
      {{"echo \"a>b\""}, "echo[ \"a>b\"]"},
  });
}

TEST(ParserTest, CaretsEscapeAndJoinLines) {
  Check({
      {{"echo a^\r\nb", "echo a^\nb"}, "echo[ ab]"},
      {{"echo a^\n&b"}, "echo[ a&b]"},
      {{"echo ^^"}, "echo[ ^]"},
      {{"echo \"^&\""}, "echo[ \"^&\"]"},
      {{"echo a^\n\nb"}, "echo[ a\nb]"},
  });
  // A remark of several words reads no further than its line.
  EXPECT_EQ("rem[]\nprog:x[]\n", Parse("rem a b ^\nx"));
  EXPECT_EQ("rem[]\n", Parse("rem ^\nx"));
}

TEST(ParserTest, BlocksSpanLines) {
  Check({
      {{"(echo a\necho b)", "(\necho a\necho b\n)", "(\n  echo a\n\n  echo b\n  )"},
       "(echo[ a]; echo[ b])"},
      {{"((echo x))"}, "((echo[ x]))"},
      {{"(echo a) > f", "(echo a)>f"}, "(echo[ a]) 1>f"},
      {{"(echo a) & echo b"}, "(echo[ a]) & echo[ b]"},
      {{"(\n:: a remark\necho a\n)"}, "(echo[ a])"},
  });
  // ")" ends a command only inside a block.
  EXPECT_EQ("echo[ a)]\n", Parse("echo a)"));
  EXPECT_EQ("(echo[ (x86])\n", Parse("(echo (x86)"));
}

TEST(ParserTest, Conditions) {
  Check({
      {{"if \"%a%\"==\"b\" echo y", "if \"%a%\" == \"b\" echo y"},
       "if <\"{%a}\"> == <\"b\"> {echo[ y]}"},
      {{"if /i not x==y echo y", "if not /I x==y echo y"}, "if/i not <x> == <y> {echo[ y]}"},
      {{"if errorlevel 1 goto end"}, "if errorlevel <1> {goto[ end]}"},
      {{"if not exist \"a b\" md x"}, "if not exist <\"a b\"> {md[ x]}"},
      {{"if defined X echo y"}, "if defined <X> {echo[ y]}"},
      {{"if %n% GEQ 10 echo y", "if %n% geq 10 echo y"}, "if <{%n}> geq <10> {echo[ y]}"},
      {{"if 1==1 echo a & echo b"}, "if <1> == <1> {echo[ a ] & echo[ b]}"},
      {{"if 1==1 (echo a) else echo b", "if 1==1 (echo a) ELSE echo b",
        "if 1==1 (\necho a\n) else echo b"},
       "if <1> == <1> {(echo[ a])} else {echo[ b]}"},
      {{"if 1==1 (echo a) else (echo b) & echo c"},
       "if <1> == <1> {(echo[ a])} else {(echo[ b]) & echo[ c]}"},
      {{"if 1==1 (echo a) & echo c"}, "if <1> == <1> {(echo[ a]) & echo[ c]}"},
  });
  // An operand may stand after spaces: "1== echo x" compares 1 with echo.
  EXPECT_EQ("if <1> == <echo> {prog:x[]}\n", Parse("if 1== echo x"));
  // Without a block, "else" is text.
  EXPECT_EQ("if <1> == <1> {echo[ a else echo b]}\n", Parse("if 1==1 echo a else echo b"));
}

TEST(ParserTest, Loops) {
  Check({
      {{"for %%i in (a b) do echo %%i", "FOR %%i IN (a b) DO echo %%i"},
       "for %i in(a b) {echo[ {%%i}]}"},
      {{"for /l %%n in (1,1,3) do echo %%n"}, "for/l %n in(1,1,3) {echo[ {%%n}]}"},
      {{"for /f \"tokens=1,2 delims=,\" %%a in (f.txt) do echo %%a %%b"},
       "for/f <tokens=1,2 delims=,> %a in(f.txt) {echo[ {%%a} {%%b}]}"},
      {{"for /r src %%f in (*.c) do echo %%~nxf"}, "for/r <src> %f in(*.c) {echo[ {%%~nxf}]}"},
      {{"for /d %%d in (*) do (echo %%d)"}, "for/d %d in(*) {(echo[ {%%d}])}"},
      {{"for %%i in (a) do for %%j in (b) do echo %%i%%j"},
       "for %i in(a) {for %j in(b) {echo[ {%%i}{%%j}]}}"},
  });
  // Outside its loop, %%x is text.
  EXPECT_EQ("echo[ %x]\n", Parse("echo %%x"));
  // A modifier letter can be the variable itself.
  EXPECT_EQ("for %f in(a) {echo[ {%%~f}]}\n", Parse("for %%f in (a) do echo %%~f"));
}

TEST(ParserTest, PercentForms) {
  Check({
      {{"echo %x% %1 %~dp0 %*"}, "echo[ {%x} {%1} {%~dp0} {%*}]"},
      {{"echo 100%%"}, "echo[ 100%]"},
      {{"echo 100%"}, "echo[ 100]"},
      {{"echo %x:~1,2% %x:~-3% %x:a=b% %x:*a=%"}, "echo[ {%x:~1,2} {%x:~-3} {%x:a=b} {%x:*a=}]"},
      {{"echo %a %b"}, "echo[ {%a }b]"},
      {{"echo [%x:bad%]"}, "echo[ [bad]]"},
  });
}

TEST(ParserTest, DelayedExpansionAfterSetlocal) {
  EXPECT_EQ("setlocal[ enabledelayedexpansion]\necho[ {!x} {!y:~1} a]\n",
            Parse("setlocal enabledelayedexpansion\necho !x! !y:~1! a^!"));
  EXPECT_EQ("setlocal[ EnableDelayedExpansion]\necho[ {!(item{%i})}]\n",
            Parse("setlocal EnableDelayedExpansion\necho !item%i%!"));
  EXPECT_EQ("setlocal[ disabledelayedexpansion]\necho[ !x!]\n",
            Parse("setlocal disabledelayedexpansion\necho !x!"));
}

// Where the file may be entered, or after a part of a statement that only
// some runs reach, only the run knows whether delayed expansion is on: each
// pair of marks, and a mark alone, is then read only if it is.
TEST(ParserTest, DelayedExpansionTheRunDecides) {
  const std::string on = "setlocal enabledelayedexpansion\n";
  const std::string off = "setlocal disabledelayedexpansion\n";
  const struct {
    std::string batch;
    std::string last;  // the outline of the last statement
  } cases[] = {
      // The file's start: another file may call it with delayed expansion on.
      {"echo !x! done!", "echo[ {!?x} done{!?}]"},
      {"echo a^!b! ^^!", "echo[ a{!?b} ^{!?}]"},
      {on + "endlocal\necho !x!", "echo[ {!?x}]"},
      // A label: a goto or a call may come from anywhere.
      {on + ":sub\necho !x!", "echo[ {!?x}]"},
      {off + ":sub\nsetlocal enabledelayedexpansion\necho !x!", "echo[ {!x}]"},
      // An endlocal that only some runs reach.
      {on + "if a==b endlocal\necho !x!", "echo[ {!?x}]"},
      {on + "echo a || endlocal\necho !x!", "echo[ {!?x}]"},
      {on + "for %%i in (a) do endlocal\necho !x!", "echo[ {!?x}]"},
      {on + "if a==b (echo) else (endlocal)\necho !x!", "echo[ {!?x}]"},
      // ... unless it jumps away, or every branch leaves the same state.
      {on + "if a==b endlocal & exit /b 1\necho !x!", "echo[ {!x}]"},
      {on + "if a==b (endlocal\ngoto :eof\n)\necho !x!", "echo[ {!x}]"},
      {on + "if a==b (echo) else (endlocal & goto x)\necho !x!", "echo[ {!x}]"},
      {on + "if a==b (setlocal) else (setlocal)\nendlocal\necho !x!", "echo[ {!x}]"},
      // Within the part, its own setlocal holds.
      {off + "if a==b setlocal enabledelayedexpansion & echo !x!",
       "if <a> == <b> {setlocal[ enabledelayedexpansion ] & echo[ {!x}]}"},
      // An endlocal past the setlocals known here may end one before a label.
      {on + ":sub\nsetlocal disabledelayedexpansion\nendlocal\nendlocal\necho !x!", "echo[ {!?x}]"},
      {"setlocal enabledelayedexpansion %x%\necho !x!", "echo[ {!?x}]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.batch);
    const std::string outline = Parse(c.batch);
    const size_t last = outline.rfind('\n', outline.size() - 2);
    EXPECT_EQ(c.last + "\n", outline.substr(last == std::string::npos ? 0 : last + 1));
  }
}

TEST(ParserTest, LabelsAndRemarks) {
  Check({
      {{":loop", "  :loop", ":Loop extra words"}, ":loop"},
      {{":: a remark"}, "empty"},
      {{"rem a & b", "REM a & b"}, "rem[]"},
      {{"goto :eof"}, "goto[ :eof]"},
  });
}

TEST(ParserTest, MalformedInputBecomesUnreadable) {
  Check({
      {{"if 1==", "if", "for %%i in (a) echo x", "for x in (a) do y", "echo a &&", "& echo a",
        "(echo a", "echo >"},
       "unreadable"},
  });
  // What follows an unreadable statement is read again.
  EXPECT_EQ("unreadable\necho[ b]\n", Parse("if\necho b"));
  // A label stops the skipping of an unclosed block.
  EXPECT_EQ("unreadable\n:next\necho[ b]\n", Parse("(echo a\n:next\necho b"));
  // Outside any block, a ")" where a command starts makes the rest of the line
  // a remark; written against other text it is part of a program's name.
  EXPECT_EQ("rem[]\nrem[]\necho[ b ] & rem[]\n", Parse(") echo a\n)\necho b & )&echo c"));
  EXPECT_EQ("prog:)x[]\n", Parse(")x"));
  // A dangling else is a program that cmd would not find.
  EXPECT_EQ("prog:else[ (]\n", Parse("else ("));
}

TEST(ParserTest, NestingDeeperThanTheLimitIsUnreadable) {
  const std::string deep(Parser::kMaxDepth + 1, '(');
  EXPECT_EQ("unreadable\n", Parse(deep + "echo x" + std::string(Parser::kMaxDepth + 1, ')')));
  const std::string fine(Parser::kMaxDepth - 1, '(');
  EXPECT_NE("unreadable\n", Parse(fine + "echo x" + std::string(Parser::kMaxDepth - 1, ')')));
  std::string chain;
  for (int i = 0; i <= Parser::kMaxDepth; ++i) chain += "if 1==1 ";
  EXPECT_EQ("unreadable\n", Parse(chain + "echo x"));
}

TEST(ParserTest, SourceFormReadsBackTheSame) {
  for (const std::string text :
       {"echo %x% %~dp1 %* 100%% [%y:~1,2%] [%z:a=b%]", "for %%i in (a) do echo %%~nxi"}) {
    const std::vector<std::string_view> lines = SplitLines(text);
    Parser parser(lines);
    Statement statement;
    ASSERT_TRUE(parser.Next(&statement));
    const Command& command = *statement.body.items[0].pipelines[0].commands[0];
    const ForCommand* loop = command.As<ForCommand>();
    const Text& arguments = loop != nullptr
                                ? loop->body.items[0].pipelines[0].commands[0]->simple().arguments
                                : command.simple().arguments;
    const std::string source = "echo" + SourceForm(arguments);
    const std::vector<std::string_view> again = SplitLines(source);
    Parser reparser(again, {'i'});
    Statement reread;
    ASSERT_TRUE(reparser.Next(&reread));
    EXPECT_EQ(arguments, reread.body.items[0].pipelines[0].commands[0]->simple().arguments)
        << source;
  }
}

// Where each command of `sequence` starts, "line:column what", in the order
// the commands begin.
void Positions(const Sequence& sequence, std::string* out) {
  ForEachCommand(sequence, [&](const Command& command) {
    std::string what =
        std::visit(Overloaded{
                       [](const SimpleCommand& simple) {
                         return simple.word.empty() ? Outline(simple.name) : simple.word;
                       },
                       [](const Block&) { return std::string("("); },
                       [](const IfCommand&) { return std::string("if"); },
                       [](const ForCommand&) { return std::string("for"); },
                       [](const Unreadable&) { return std::string("unreadable"); },
                   },
                   command.node);
    *out += std::to_string(command.start_line + 1) + ":" + std::to_string(command.column) + " " +
            what + "\n";
  });
}

// A command's place is its name's first byte in the physical line that holds
// it: after "@", separators and the redirections before it, with the
// expansions and carets before it counted as written.
TEST(ParserTest, CommandsKnowTheirLineAndColumn) {
  const struct {
    const char* batch;
    const char* positions;
  } cases[] = {
      {"color 0a\r\n", "1:1 color\n"},
      {"  @prompt $g\r\n", "1:4 prompt\n"},
      {">nul 2>&1 color 0a\r\n", "1:11 color\n"},
      {"echo a & color 0a\r\n", "1:1 echo\n1:10 color\n"},
      {"color 0a & COLOR 1f\r\n", "1:1 color\n1:12 color\n"},
      {"echo %x% %%y & color\r\n", "1:1 echo\n1:16 color\n"},
      {"echo a^&b & color\r\n", "1:1 echo\n1:13 color\n"},
      {"echo a | sort\r\n", "1:1 echo\n1:10 sort\n"},
      {"(echo a) & (color)\r\n", "1:1 (\n1:2 echo\n1:12 (\n1:13 color\n"},
      {"if 1==1 (color 0a) else color 1f\r\n", "1:1 if\n1:9 (\n1:10 color\n1:25 color\n"},
      {"(\r\n  color 0a\r\n)\r\n", "1:1 (\n2:3 color\n"},
      {"for %%a in (x) do (\r\n\tcolor\r\n)\r\n", "1:1 for\n1:19 (\n2:2 color\n"},
      // A caret at a line's end carries the command on to the next line.
      {"for %%a in (x) ^\r\ndo color 0a\r\n", "1:1 for\n2:4 color\n"},
      {"echo a ^\r\n\r\n& color 0a\r\n", "1:1 echo\n3:3 color\n"},
      {"echo a\r\necho b ^\r\nc & color\r\n", "1:1 echo\n2:1 echo\n3:5 color\n"},
      {"  (echo\r\n", "1:3 unreadable\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.batch);
    const std::vector<std::string_view> lines = SplitLines(c.batch);
    Parser parser(lines);
    Statement statement;
    std::string out;
    while (parser.Next(&statement)) Positions(statement.body, &out);
    EXPECT_EQ(c.positions, out);
  }
}

TEST(ParserTest, LinesEndAtLineFeedsAndCtrlZ) {
  const std::vector<std::string_view> lines = SplitLines(
      "a\r\nb\x1A"
      "c\nd");
  ASSERT_EQ(4u, lines.size());
  EXPECT_EQ("a\r", lines[0]);
  EXPECT_EQ("b", lines[1]);
  EXPECT_EQ("c", lines[2]);
  EXPECT_EQ("d", lines[3]);
}

}  // namespace
}  // namespace morvex::batch
