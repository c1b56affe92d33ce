// The Windows program's raw command line, its unquoting of names and its
// UTF-16 text, tested on every platform.

#include "driver/windows_command_line.h"
#include "driver/utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace morvex {
namespace {

// Printable in a failure message.
std::string Show(std::u16string_view text) {
  return Utf8FromUtf16(text);
}

TEST(ArgumentsAfterProgramNameTest, SkipsTheProgramNameAsWindowsQuotesIt) {
  const struct {
    std::u16string_view command_line;
    std::u16string_view arguments;
  } cases[] = {
      // No argument: only the program name, perhaps with spaces after it.
      {u"", u""},
      {u"\"C:\\Program Files\\Morvex\\morvex.exe\"", u""},
      // An unquoted name ends at the first space or tab.
      {u"morvex x.bat", u"x.bat"},
      {u"morvex\tx.bat", u"x.bat"},
      {u"mor\"vex x\".exe y.bat", u"x\".exe y.bat"},
      // A quoted name runs to the next quote, spaces and all; what follows
      // the closing quote is the argument string, even without a space.
      {u"\"C:\\Program Files\\Morvex\\morvex.exe\" x.bat", u"x.bat"},
      {u"\"C:\\Program Files\\Morvex\\morvex.exe\"x.bat", u"x.bat"},
      {u"\"\" x.bat", u"x.bat"},
      // A backslash escapes nothing in the program name.
      {u"\"C:\\Morvex\\\" x.bat", u"x.bat"},
      // Without a closing quote the whole line is the program name.
      {u"\"C:\\Program Files\\Morvex\\morvex.exe x.bat", u""},
      // A line that starts with a space has an empty program name.
      {u" x.bat", u"x.bat"},
      // The separating spaces and tabs go, and so do trailing spaces; the
      // rest stays as written.
      {u"morvex my file.bat", u"my file.bat"},
      {u"morvex   my  file.bat ", u"my  file.bat"},
      {u"morvex x.bat\t", u"x.bat\t"},
      // Not unquoted: the quotes stay part of the name.
      {u"morvex \"my file.bat\"", u"\"my file.bat\""},
      // Any UTF-16 text passes through.
      {u"morvex \u00fcbersicht \u65e5\u672c.bat", u"\u00fcbersicht \u65e5\u672c.bat"},
      {u"\"\u00e9\u00e9\" \U0001F600.bat", u"\U0001F600.bat"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.arguments, ArgumentsAfterProgramName(c.command_line)) << Show(c.command_line);
  }
}

TEST(UnquotedNameTest, DropsQuotesOnlyAroundTheWholeName) {
  const struct {
    std::string_view name, unquoted;
  } cases[] = {
      {"\"my file.bat\"", "my file.bat"},
      {"\"\"", ""},
      {"\"", "\""},
      {"\"x.bat", "\"x.bat"},
      {"x.bat\"", "x.bat\""},
      {"a \"b\" c", "a \"b\" c"},
      {"\"\"x\"\"", "\"x\""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.unquoted, UnquotedName(c.name)) << c.name;
}

struct Encoding {
  std::u16string_view utf16;
  std::string_view utf8;
};

// Text that converts both ways, each form giving back the other.
constexpr Encoding kEncodings[] = {
    {u"", ""},
    {u"go.bat", "go.bat"},
    {std::u16string_view(u"a\0b", 3), std::string_view("a\0b", 3)},
    {u"\u00e9t\u00e9.bat", "\xc3\xa9t\xc3\xa9.bat"},
    {u"\uffff", "\xef\xbf\xbf"},
    {u"\U0001F600.bat", "\xf0\x9f\x98\x80.bat"},
    {u"\U0010FFFF", "\xf4\x8f\xbf\xbf"},
    // Surrogates without a partner, as in some Windows file names.
    {u"a\xd800.bat", "a\xed\xa0\x80.bat"},
    {u"\xdc00x", "\xed\xb0\x80x"},
    {u"\xdc00\xd800", "\xed\xb0\x80\xed\xa0\x80"},
    {u"\xd800\xd800\xdc00", "\xed\xa0\x80\xf0\x90\x80\x80"},
};

TEST(Utf8FromUtf16Test, EncodesEveryUnit) {
  for (const Encoding& e : kEncodings) EXPECT_EQ(e.utf8, Utf8FromUtf16(e.utf16)) << Show(e.utf16);
}

TEST(Utf16FromUtf8Test, DecodesWhatUtf8FromUtf16Gives) {
  for (const Encoding& e : kEncodings) {
    EXPECT_EQ(e.utf16, Utf16FromUtf8(e.utf8)) << Show(e.utf16);
  }
}

TEST(Utf16FromUtf8Test, ReplacesEachByteThatStartsNoSequence) {
  const struct {
    std::string_view utf8;
    std::u16string_view utf16;
  } cases[] = {
      {"a\xff!", u"a\ufffd!"},
      {"\x80", u"\ufffd"},
      {"\xc3", u"\ufffd"},                                // cut short at the end
      {"\xe6\x97", u"\ufffd\ufffd"},                      // a three-byte sequence cut short
      {"\xc0\xaf", u"\ufffd\ufffd"},                      // overlong "/"
      {"\xf0\x8f\xbf\xbf", u"\ufffd\ufffd\ufffd\ufffd"},  // overlong U+FFFF
      {"\xf4\x90\x80\x80", u"\ufffd\ufffd\ufffd\ufffd"},  // past U+10FFFF
      {"\xc3\xa9\xff\xc3\xa9", u"\u00e9\ufffd\u00e9"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.utf16, Utf16FromUtf8(c.utf8)) << Show(c.utf16);
}

TEST(Utf16FromUtf8Test, EveryUnitSurvivesTheRoundTrip) {
  std::u16string all;
  for (char32_t unit = 1; unit <= 0xFFFF; ++unit) {
    all += static_cast<char16_t>(unit);
    all += u'.';  // keeps a high surrogate from pairing with the next unit
  }
  EXPECT_EQ(all, Utf16FromUtf8(Utf8FromUtf16(all)));
}

}  // namespace
}  // namespace morvex
