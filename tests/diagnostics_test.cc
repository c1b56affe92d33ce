// The warning lines and JSON lines that name the constructs a script stops at.

#include "driver/diagnostics.h"

#include <gtest/gtest.h>

#include <string>

namespace morvex {
namespace {

TEST(DiagnosticsTest, WarningAndJsonLines) {
  const struct {
    Stop stop;
    const char* warning;
    const char* json;
  } cases[] = {
      {{12, 3, "stop-color", "color"},
       "deploy.bat:12:3: warning: not translated: color [stop-color]\n",
       R"({"file":"deploy.bat","line":12,"column":3,"severity":"warning","code":"stop-color",)"
       R"("message":"not translated: color"})"
       "\n"},
      // Quotes, backslashes and control bytes are escaped in JSON alone.
      {{1, 1, "stop-shift", "shift with \"/9\\x\t"},
       "deploy.bat:1:1: warning: not translated: shift with \"/9\\x\t [stop-shift]\n",
       R"({"file":"deploy.bat","line":1,"column":1,"severity":"warning","code":"stop-shift",)"
       R"("message":"not translated: shift with \"/9\\x\u0009"})"
       "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.warning);
    EXPECT_EQ(c.warning, WarningLine("deploy.bat", c.stop));
    EXPECT_EQ(c.json, JsonLine("deploy.bat", c.stop));
  }
}

TEST(DiagnosticsTest, JsonStringsAreValidUtf8) {
  const struct {
    std::string text;
    const char* json;
  } cases[] = {
      {"plain", "\"plain\""},
      {"\xD0\x9F\xD1\x83\xD1\x82\xD1\x8C", "\"\xD0\x9F\xD1\x83\xD1\x82\xD1\x8C\""},  // UTF-8 stays
      {"caf\xE9", "\"caf\\u00e9\""},                  // a code page's byte is not UTF-8
      {"\xE2\x82", "\"\\u00e2\\u0082\""},             // a sequence cut short
      {"\xC0\xAF", "\"\\u00c0\\u00af\""},             // an overlong form
      {"\xED\xA0\x80", "\"\\u00ed\\u00a0\\u0080\""},  // a surrogate
      {std::string("a\0b", 3), "\"a\\u0000b\""},
      {"\x7F", "\"\\u007f\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    EXPECT_EQ(c.json, JsonString(c.text));
  }
}

}  // namespace
}  // namespace morvex
