// The file and directory commands.

#include "translation_cases.h"

namespace morvex {
namespace {

TEST(FileRules, AttribTurnsReadOnlyIntoModesAndNotesTheOtherLetters) {
  ExpectTranslations({
      {"attrib +r foo.txt", "chmod a-w", ""},
      {"attrib -r +h foo.txt", "chmod a+w", "# no POSIX equivalent to attribute: +h\n"},
      {"attrib +RHX foo.txt", "chmod a-w",
       "# no POSIX equivalent to attribute: +H\n# unrecognized attribute: +X\n"},
      {"attrib -S", "chmod", "# no POSIX equivalent to attribute: -S\n"},
      {"attrib  +r  /s *.*", "chmod a-w", ""},
      {"attrib -r -r +", "chmod a+w a+w", ""},
      // The word after a closing quote starts right after it.
      {"attrib \"x\"+r", "chmod a-w", ""},
      {"attrib \"-r x\"", "chmod a+w",
       "# unrecognized attribute: - \n# unrecognized attribute: -x\n"},
  });
}

TEST(FileRules, DirectoryCommandsRewriteTheirArguments) {
  ExpectTranslations({
      {"cd", "pwd", ""},
      {"chdir", "pwd", ""},
      {"chdir c:\\temp", "cd c_/temp", kDrive},
      {"cd/d c:\\x", "cd -d c_/x", kSwitch + kDrive},
      {"chdir/d x", "cd -d x", kSwitch},
      {"md", "mkdir", ""},
      {"md/x", "mkdir -x", kSwitch},
      {"rd /s /q foo", "rmdir -s -q foo", kSwitch},
      {"dir", "ls ", ""},
      {"dir/w", "ls  -w", "# dir switch translation not implemented yet\n" + kSwitch},
      {"dir *.txt /w", "ls *.txt -w", "# dir switch translation not implemented yet\n" + kSwitch},
      {"dir /a c:", "ls  -a c_",
       "# dir switch translation not implemented yet\n" + kSwitch + kDrive},
  });
}

TEST(FileRules, CopyAndDelRewriteTheirArguments) {
  ExpectTranslations({
      {"copy", "cp", ""},
      {"copy/y a b", "cp -y a b", kSwitch},
      {"copy a.txt b.txt /y", "cp a.txt b.txt -y", kSwitch},
      {"copy c:\\a.bat b", "cp c_/a.bat b", kDrive},
      {"del", "rm", ""},
      {"erase *.bak", "rm *.bak", ""},
      {"del/q", "rm -q", kSwitch},
      {"del /q c:\\temp\\old.txt", "rm -q c_/temp/old.txt", kSwitch + kDrive},
  });
}

TEST(FileRules, DeltreeKeepsItsArgumentsAndTurnsTheFirstYesSwitchIntoForce) {
  ExpectTranslations({
      {"deltree", "rm -r ", ""},
      {"deltree c:\\temp", "rm -r c:\\temp", ""},
      {"deltree /y", "rm -rf ", ""},
      {"deltree c:\\a /Y", "rm -rf c:\\a", ""},
      {"deltree a /y /y  b", "rm -rf a /y  b", ""},
      // A switch written directly after the word is dropped.
      {"deltree/y", "rm -r ", ""},
      {"deltree/y c:\\x", "rm -r c:\\x", ""},
  });
}

TEST(FileRules, MoreMoveTypeAndFindCopyTheirArgumentsUnchanged) {
  const std::string find = "# find not implemented yet\n";
  ExpectTranslations({
      {"more/e x", "more/e x", ""},
      {"move", "mv", ""},
      {"move/y a b", "mv a b", ""},
      {"ren c:\\a  b", "mv c:\\a  b", ""},
      {"type", "cat", ""},
      {"type   c:\\autoexec.bat", "cat c:\\autoexec.bat", ""},
      {"find", "grep", find},
      {"find /i \"a b\" c:\\x.txt", "grep /i \"a b\" c:\\x.txt", find},
      {"COPY a b", "", "# can't translate: COPY a b\n"},
  });
}

}  // namespace
}  // namespace morvex
