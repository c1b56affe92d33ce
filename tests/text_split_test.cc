// Splitting text into fields, with double-quoted fields kept whole, or into characters.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "textsplit/text_split.h"

namespace morvex {
namespace {

using Fields = std::vector<std::string>;

struct Case {
  std::string text, delimiters;
  Fields fields;
};

TEST(SplitQuoted, SplitsAtEveryDelimiterAndKeepsQuotedFieldsWhole) {
  const std::vector<Case> cases = {
      {"attrib +r -h", " ", {"attrib", "+r", "-h"}},
      {"", " ", {""}},
      {"a  b", " ", {"a", "", "b"}},
      {" a", " ", {"", "a"}},
      {"a ", " ", {"a", ""}},
      {"a\"b c", " ", {"a\"b", "c"}},
      {"\"a b c", " ", {"a b c"}},
      {"x \"a b", " ", {"x", "a b"}},
      {"\"", " ", {""}},
      // The next field begins directly after a closing quote.
      {"x \"a b\"", " ", {"x", "a b", ""}},
      {"\"a b\" c", " ", {"a b", "", "c"}},
      {"\"a b\"c", " ", {"a b", "c"}},
      {"\"\"", " ", {"", ""}},
      {"a;b,c", ",;", {"a", "b", "c"}},
      {"a b", ",;", {"a b"}},
      {"+rh", "", {"+", "r", "h"}},
      {"\"a\"", "", {"\"", "a", "\""}},
      {"", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text '" + c.text + "', delimiters '" + c.delimiters + "'");
    Fields result = {"stale", "stale", "stale", "stale", "stale"};
    SplitQuoted(c.text, result, c.delimiters);
    EXPECT_EQ(result, c.fields);
  }
}

TEST(SplitChars, GivesOneFieldPerCharacter) {
  Fields result = {"stale"};
  SplitChars("a \"", result);
  EXPECT_EQ(result, (Fields{"a", " ", "\""}));
  SplitChars("", result);
  EXPECT_EQ(result, Fields{});
}

}  // namespace
}  // namespace morvex
