// The console and environment commands: echo, exit, rem, doskey, set, lh and shift.

#include "translation_cases.h"

namespace morvex {
namespace {

const std::string kDoskey = "# doskey: command history is built into most *nix shells\n";
const std::string kInsert = "# /insert not supported\n";
const std::string kLh = "# no POSIX equivalent to lh\n";

TEST(ConsoleRules, KeepTheTextFromTheFirstSpace) {
  const std::string batch_exit = "# exiting a script via exit not fully understood by Telm\n";
  ExpectTranslations({
      {"echo", "", "# no POSIX equivalent to echo\n"},
      {"echo Off", "", "# no POSIX equivalent to echo Off\n"},
      {"echo off now", "echo off now", ""},
      {"echo  two  %1 c:\\x", "echo  two  %1 c:\\x", ""},
      {"echo/? foo", "echo foo", ""},
      {"echo/?", "echo", ""},
      {"echo=x", "echo", ""},
      {"echo. Hello", "echo", ""},
      {"exit", "exit", ""},
      {"exit /B", "exit", batch_exit},
      {"exit/b", "exit", batch_exit},
      {"exit /b 1", "exit /b 1", ""},
      {"exit/b 1", "exit 1", ""},
      {"exit/?", "exit", ""},
      {"rem   a  b", "", "# comment: a  b\n"},
      {"rem", "", "# comment: \n"},
      {"rem/x", "", "# comment: /x\n"},
      {"shift /A", "shift /a", ""},
      {"Exit", "", "# can't translate: Exit\n"},
  });
}

TEST(DoskeyRule, MacroBecomesAnAliasOfItsTranslatedBody) {
  ExpectTranslations({
      {"doskey", "", kDoskey},
      {"doskey /insert", "", kDoskey + kInsert},
      {"doskey e=echo $*", "alias e='echo $*'", kDoskey},
      {"doskey a b=echo c", "alias b='echo c'", kDoskey},
      {"doskey=x", "alias doskey=''", kDoskey + "# can't translate: x\n"},
      {"doskey x=", "alias x=''", kDoskey + "# can't translate: \n"},
      {"doskey a= dir", "alias a='ls '", kDoskey},
      {"doskey a=doskey b=echo x", "alias a='alias b='echo x''", kDoskey + kDoskey},
      {"doskey /INSERT e=echo hi", "alias e='echo hi'", kDoskey + kInsert},
      {"doskey a=echo x /insert y", "alias a='echo x y'", kDoskey + kInsert},
      {"doskey a=x /insert", "alias a=''", kDoskey + kInsert + "# can't translate: x \n"},
      {"doskey /insert a=b /insert", "alias a=''",
       kDoskey + kInsert + "# can't translate: b /insert\n"},
      {"doskey a=doskey b=x /insert /insert", "alias a='alias b='''",
       kDoskey + kInsert + kDoskey + kInsert + "# can't translate: x \n"},
      {"doskey a=if x==y echo z /insert", "alias a='echo z'",
       kDoskey + kInsert + "# POSIX if not implemented yet\n"},
  });
}

TEST(SetRule, ExportsVariablesAndRewritesPathAndTemp) {
  const std::string display = "# displaying environment variables not implemented yet\n";
  ExpectTranslations({
      {"set", "", display},
      {"set FOO", "", display},
      {"set=x", "", "# can't translate: set=x\n"},
      {"set foo=%PATH%", "export foo=%PATH%", ""},
      {"set  X = y", "export  X = y", ""},
      {"set =x", "export =x", ""},
      {"set TEMPDIR=c:\\t", "export TEMPDIR=c:\\t", ""},
      {"set TEMP=C:\\TEMP", "export TEMP=C_/TEMP", kDrive},
      {"set tmp = c:\\tmp /x", "export TEMP=c_/tmp -x",
       "# switch translation not implemented yet\n" + kDrive},
      {"set PATH=c:\\dos;c:\\bin", "export PATH=c_/dos:c_/bin", kDrive},
  });
}

TEST(LoadHighRule, NotesItselfThenTranslatesTheProgram) {
  ExpectTranslations({
      {"lh /l:1 mouse", "", kLh + "# can't translate: /l:1 mouse\n"},
      {"lh  copy", "cp", kLh},
      {"lh  x", "", kLh + "# can't translate:  x\n"},
      {"lh cd\\dos", "cd /dos", kLh},
      {"lh doskey /insert", "", kLh + kDoskey + kInsert},
      {"loadhigh lh cls", "clear", "# no POSIX equivalent to loadhigh\n" + kLh},
      // Without a space the program is what follows the word.
      {"lh", "", kLh + "# can't translate: \n"},
      {"loadhigh", "", "# no POSIX equivalent to loadhigh\n# can't translate: \n"},
      {"lh/l:1", "", kLh + "# can't translate: /l:1\n"},
  });
}

}  // namespace
}  // namespace morvex
