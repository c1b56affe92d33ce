// The conditional rule (if, else, not) and the loop rule (for).

#include "translation_cases.h"

namespace morvex {
namespace {

const std::string kIf = "# POSIX if not implemented yet\n";
const std::string kInvalidFor = "# invalid DOS 'for' statement: ";

TEST(ConditionalRule, TranslatesTheCommandAfterTheLastOperand) {
  ExpectTranslations({
      {"not exist a.txt echo no", "echo no", kIf},
      {"if Errorlevel 1 echo failed", "echo failed", kIf},
      {"if defined FOO echo set", "echo set", kIf},
      {"if exist x   echo y", "echo y", kIf},
      {"if \"%1\"==\"\" echo none", "echo none", kIf},
      {"if \"%1\" == \"x\" echo y", "echo y", kIf},
      {"if errorlevel 1 goto end", "", kIf + "# no POSIX equivalent to goto\n"},
      {"if exist a if exist b echo y", "echo y", kIf + kIf},
      {"if a==b if c==d echo y", "echo y", kIf + kIf},
      {"if exist x else echo y", "", kIf + kIf + "# unrecognized DOS 'if' statement\n"},
      {"lh if a==b doskey x=y", "alias x=''",
       "# no POSIX equivalent to lh\n" + kIf +
           "# doskey: command history is built into most *nix shells\n# can't translate: y\n"},
      {"if exist x lh doskey /insert", "",
       kIf + "# no POSIX equivalent to lh\n" +
           "# doskey: command history is built into most *nix shells\n" +
           "# /insert not supported\n"},
  });
}

TEST(ConditionalRule, FindsTheOperandAtTheFirstEqualsSignThenByKeywordInOrder) {
  ExpectTranslations({
      // A single "=" skips the character after it as well.
      {"if a=b echo x", "", kIf + "# can't translate: x\n"},
      // The "=" of the command wins over the keyword and points past the end.
      {"if exist x set a=b", "", kIf + "# can't translate: \n"},
      {"if exist a if %1==b echo y", "echo y", kIf},
      {"if defined exist echo y", "", kIf + "# can't translate: y\n"},
      {"if exist \"my file.txt\" echo y", "", kIf + "# can't translate: file.txt\" echo y\n"},
      {"if exist x", "", kIf + "# can't translate: x\n"},
      {"else", "", kIf + "# unrecognized DOS 'if' statement\n"},
      {"else echo x", "", kIf + "# unrecognized DOS 'if' statement\n"},
      {"if foo bar", "", kIf + "# unrecognized DOS 'if' statement\n"},
  });
}

TEST(LoopRule, BuildsAThreeLineLoopAroundTheTranslatedBody) {
  ExpectTranslations({
      {"for %%i in (*.txt) do echo %%i", "for i in *.txt; do\necho $i\ndone", ""},
      {"for %%i in (a b) DO echo %%i", "for i in a b; do\necho $i\ndone", ""},
      {"for %%i in (a b)do echo %%i", "for i in a b; do\necho $i\ndone", ""},
      {"for %%i in(*.txt) do echo %%i", "for i in*.txt; do\necho $i\ndone", ""},
      {"for /l %%i in (1,1,5) do echo %%i", "for l $i in 1,1,5; do\necho $i\ndone", ""},
      {"for x in (a) do echo x", "for  in a; do\necho x\ndone", ""},
      {"for %%i in (a) do echo 100%", "for i in a; do\necho 100%\ndone", ""},
      {"for %%i in (*.bat) do goto end", "for i in *.bat; do\n\ndone",
       "# no POSIX equivalent to goto\n"},
      {"for %%i in (*.txt) do if exist %%i echo %%i", "for i in *.txt; do\necho $i\ndone", kIf},
      // The body keeps its leading space, so "echo x" is one unknown word.
      {"for %%i in (a) do  echo x", "for i in a; do\n\ndone", "# can't translate:  echo x\n"},
      {"for %%i in (a) do lh goto x", "for i in a; do\n\ndone",
       "# no POSIX equivalent to lh\n# no POSIX equivalent to goto\n"},
      {"for %%i in (a) do doskey x=echo %%i /insert", "for i in a; do\nalias x='echo $i '\ndone",
       "# doskey: command history is built into most *nix shells\n# /insert not supported\n"},
      {"for %%i in (a) do for %%j in (b) do echo %%i%%j",
       "for i in a; do\nfor j in b; do\necho $i$j\ndone\ndone", ""},
  });
}

TEST(LoopRule, MalformedLoopsKeepWhatWasBuiltAndSaySo) {
  ExpectTranslations({
      {"for %%i in a b do echo", "", kInvalidFor + "no '(' found\n"},
      {"for (a) do b", "", kInvalidFor + "no loop variable found\n"},
      {"for %%i in (a b do echo %%i", "for i in ", kInvalidFor + "no ')' found\n"},
      {"for %%i in (a b) echo %%i", "for i in a b", kInvalidFor + "no 'do' found\n"},
      {"for %%i in (a) do", "for i in a", kInvalidFor + "no 'do' found\n"},
  });
}

}  // namespace
}  // namespace morvex
