// The batch file's text in the runnable mode: bytes as they are, a code page
// converted into UTF-8, UTF-16 with a byte-order mark.

#include "driver/batch_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace morvex {
namespace {

TEST(BatchEncodingTest, ConvertsIntoUtf8) {
  const struct {
    const char* code_page;
    std::string bytes;
    std::string text;
  } cases[] = {
      // Without a code page the bytes stay as they are, whatever they are.
      {"", "echo \x8F\xE0\xA8\xA2\xA5\xE2\r\n", "echo \x8F\xE0\xA8\xA2\xA5\xE2\r\n"},
      // CP866: "Привет", as iconv -f CP866 -t UTF-8 gives it.
      {"866", "echo \x8F\xE0\xA8\xA2\xA5\xE2\r\n",
       "echo \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\r\n"},
      // CP1252: "extraño €".
      {"1252", "echo extra\xF1o \x80", "echo extra\xC3\xB1o \xE2\x82\xAC"},
      // CP850: "Verfügbar".
      {"850", "echo Verf\x81gbar", "echo Verf\xC3\xBCgbar"},
      // UTF-16 with its byte-order mark, either order, whatever the code page.
      {"",
       std::string("\xFF\xFE"
                   "e\0c\0h\0o\0 \0\x1F\x04\r\0\n\0",
                   18),
       "echo \xD0\x9F\r\n"},
      {"866", std::string("\xFE\xFF\0e\0c\0h\0o\0 \x04\x1F", 14), "echo \xD0\x9F"},
      // A byte-order mark of UTF-8 is left for the reader, which drops it.
      {"1252", "\xEF\xBB\xBFx", "\xC3\xAF\xC2\xBB\xC2\xBFx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string bytes = c.bytes;
    const Status status = DecodeBatchText("x.bat", c.code_page, &bytes);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(c.text, bytes);
  }
}

TEST(BatchEncodingTest, AByteWithoutACharacterNamesTheFileLineAndByte) {
  const struct {
    const char* code_page;
    std::string bytes;
    const char* message;
  } cases[] = {
#ifndef _WIN32
      // 0x81 is a character in CP850 but none in CP1252 as iconv has it;
      // Windows' own table gives the five bytes CP1252 leaves out the control
      // characters of the same numbers.
      {"1252", "@echo off\r\necho Verf\x81gbar\r\n",
       "x.bat:2:10: byte 0x81 has no character in code page 1252; no script was written"},
      {"1252", "\x8D",
       "x.bat:1:1: byte 0x8D has no character in code page 1252; no script was written"},
#endif
      {"65001", "ok\n\nbad \xFF",
       "x.bat:3:5: byte 0xFF has no character in code page 65001; no script was written"},
      {"99999", "x", "x.bat: code page 99999 is not one this system converts"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    std::string bytes = c.bytes;
    const Status status = DecodeBatchText("x.bat", c.code_page, &bytes);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(c.message, status.message());
  }
}

}  // namespace
}  // namespace morvex
