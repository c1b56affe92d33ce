// The "@" prefix, the command word, the fixed rules, the fallback and the note makers.

#include "translation_cases.h"

namespace morvex {
namespace {

TEST(NoteMakers, UseTheWordUnchangedAndAddNoLineFeed) {
  EXPECT_EQ(NoPosixEquivalent(" Mem "), "# no POSIX equivalent to  Mem ");
  EXPECT_EQ(NotImplemented("net commands"), "# net commands not implemented yet");
}

TEST(Dispatch, CommandWordEndsAtTheFirstSeparatorPastPositionOne) {
  ExpectTranslations({
      {"ver/r", "uname -a", ""},
      {"cls=x", "clear", ""},
      {"cls\tx", "", "# can't translate: cls\tx\n"},
      {"/?", "", "# can't translate: /?\n"},
      {"goto:end", "", "# can't translate: goto:end\n"},
      {"CLS", "", "# can't translate: CLS\n"},
      {"@echo off", "", "# no POSIX equivalent to echo off\n"},
      {"@@echo off", "", "# can't translate: @echo off\n"},
      {"@", "", "# can't translate: \n"},
      // A space right after the "@" never ends the word, so the rest is one word.
      {"@ echo off", "", "# can't translate:  echo off\n"},
  });
}

TEST(Dispatch, RulesCutArgumentsAfterTheSpacesFollowingTheAtSign) {
  ExpectTranslations({
      {"@ copy", "cp", ""},
      {"@ md", "mkdir", ""},
      {"@ dir", "ls ", ""},
      {"@ dir/w", "ls  -w",
       "# dir switch translation not implemented yet\n"
       "# switch translation not implemented yet\n"},
      {"@ date", "date", ""},
      {"@ set=1", "", "# can't translate: set=1\n"},
  });
}

TEST(SimpleRules, ReplaceTheCommandOrOnlyAddANote) {
  const std::string devices = "# drive letters need to be reconciled to their proper devices\n";
  const std::string editing = "# date/time editing not implemented yet\n";
  ExpectTranslations({
      {"chkdsk c: /f", "fsck", devices},
      {"fdisk /mbr", "cfdisk", devices},
      {"format a: /s", "mkfs", devices},
      {"date", "date", ""},
      {"time", "date", ""},
      {"date/t", "", editing},
      {"call x.bat", "", "# call not implemented yet\n"},
      {"xcopy32 a b", "", "# xcopy32 not implemented yet\n"},
      {"net use", "", "# net commands not implemented yet\n"},
      {"prompt $p$g", "", "# prompt editing not implemented yet\n"},
      {"endlocal", "", "# local environment not implemented yet\n"},
      {"goto end", "", "# no POSIX equivalent to goto\n"},
  });
}

TEST(Fallback, HandlesLabelsCommentsAndCdBackslash) {
  ExpectTranslations({
      {":end", "", "# no POSIX equivalent to labels\n"},
      {"::   Set up", "", "# comment: Set up\n"},
      {"::", "", "# comment: \n"},
      {"cd\\dos", "cd /dos", ""},
      {"CD\\DOS", "cd /DOS", ""},
      {"cD\\a:b", "cd /a_b",
       "# drive letters need to be reconciled to their proper mount points\n"},
      {"cd..", "", "# can't translate: cd..\n"},
  });
}

TEST(Notes, AreAppendedAfterWhatTheBufferAlreadyHolds) {
  std::string notes = "# earlier\n";
  EXPECT_EQ(TranslateLine("lh goto x", notes), "");
  EXPECT_EQ(notes, "# earlier\n# no POSIX equivalent to lh\n# no POSIX equivalent to goto\n");
}

}  // namespace
}  // namespace morvex
