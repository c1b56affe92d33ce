// Rewriting "%%i", "%1" and "%NAME%" references into "$i", "$1" and "$NAME".

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "translator/rewriting.h"

namespace morvex {
namespace {

struct Case {
  std::string text, result;
};

void ExpectRewrites(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TranslateVariables(c.text), c.result);
  }
}

TEST(TranslateVariables, ReferencesBecomeDollarNames) {
  ExpectRewrites({
      {"", ""},
      {"copy %1 %2", "copy $1 $2"},
      {"set X=%PATH%;C:\\bin", "set X=$PATH;C:\\bin"},
      {"echo %PATH%%TEMP%", "echo $PATH$TEMP"},
      {"\"%1\"", "\"$1\""},
      {"%date:~0,4%", "$date:~0,4"},
      // A space or "=" ends a name and is kept; a closing "%" is dropped.
      {"%a=b", "$a=b"},
      {"%a b%c", "$a b$c"},
      {"50% off", "50$ off"},
      {"echo %a%b", "echo $ab"},
  });
}

TEST(TranslateVariables, DoubledPercentSignsBecomeOneReference) {
  ExpectRewrites({
      {"for %%i in (*.txt) do echo %%i", "for $i in (*.txt) do echo $i"},
      {"(%%i)", "($i)"},
      {"echo %%%x", "echo $x"},
      {"a %% b", "a $ b"},
      {"x%%", "x$"},
  });
}

TEST(TranslateVariables, APercentSignAtTheEndStaysAsItIs) {
  ExpectRewrites({
      {"%", "%"},
      {"echo 100%", "echo 100%"},
      {"echo %%", "echo %"},
      {"echo %a b%", "echo $a b%"},
  });
}

}  // namespace
}  // namespace morvex
