// The options of for /f, read into their fields and written back in one
// fixed order; "invalid" where cmd refuses them.

#include "parser/for_options.h"

#include <gtest/gtest.h>

#include <string>

namespace morvex::batch {
namespace {

std::string Outline(std::string_view text) {
  const std::optional<ForOptions> options = ParseForOptions(text);
  if (!options) return "invalid";
  std::string out = "delims=[" + options->delims + "] eol=[" + options->eol +
                    "] skip=" + std::to_string(options->skip) + " tokens=";
  for (int token : options->tokens) out += std::to_string(token) + ",";
  if (options->rest) out += "*";
  if (options->usebackq) out += " usebackq";
  return out;
}

struct Row {
  const char* options;
  const char* outline;
};

TEST(ForOptions, EachOption) {
  const Row rows[] = {
      {"", "delims=[ \t] eol=[;] skip=0 tokens=1,"},
      {" \t ", "delims=[ \t] eol=[;] skip=0 tokens=1,"},
      {"usebackq", "delims=[ \t] eol=[;] skip=0 tokens=1, usebackq"},
      {"UseBackQ", "delims=[ \t] eol=[;] skip=0 tokens=1, usebackq"},
      {"eol=#", "delims=[ \t] eol=[#] skip=0 tokens=1,"},
      {"eol=", "delims=[ \t] eol=[] skip=0 tokens=1,"},
      {"eol= ", "delims=[ \t] eol=[ ] skip=0 tokens=1,"},
      {"eol=;skip=2", "delims=[ \t] eol=[;] skip=2 tokens=1,"},
      {"SKIP=2", "delims=[ \t] eol=[;] skip=2 tokens=1,"},
      {"skip=123456", "delims=[ \t] eol=[;] skip=123456 tokens=1,"},
      {"delims=,;", "delims=[,;] eol=[;] skip=0 tokens=1,"},
      {"delims=", "delims=[] eol=[;] skip=0 tokens=1,"},
      // The delimiters run to a space before another option, or to the end.
      {"delims=, ", "delims=[, ] eol=[;] skip=0 tokens=1,"},
      {"delims=a b", "delims=[a b] eol=[;] skip=0 tokens=1,"},
      {"delims= eol=#", "delims=[] eol=[#] skip=0 tokens=1,"},
      {"delims=  tokens=2", "delims=[ ] eol=[;] skip=0 tokens=2,"},
      {"tokens=1,3*", "delims=[ \t] eol=[;] skip=0 tokens=1,3,*"},
      {"tokens=2-4", "delims=[ \t] eol=[;] skip=0 tokens=2,3,4,"},
      {"tokens=*", "delims=[ \t] eol=[;] skip=0 tokens=*"},
      {"tokens=0*", "delims=[ \t] eol=[;] skip=0 tokens=*"},
      {"tokens=3,1,3", "delims=[ \t] eol=[;] skip=0 tokens=1,3,"},
      {"tokens=30-40", "delims=[ \t] eol=[;] skip=0 tokens=30,31,"},
      {"tokens=1,2,", "delims=[ \t] eol=[;] skip=0 tokens=1,2,"},
      {"tokens=1-3 delims=; skip=1", "delims=[;] eol=[;] skip=1 tokens=1,2,3,"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, Outline(row.options)) << row.options;
}

TEST(ForOptions, RepeatedOptionsOverride) {
  const Row rows[] = {
      {"tokens=1 tokens=2", "delims=[ \t] eol=[;] skip=0 tokens=2,"},
      {"skip=1 skip=3", "delims=[ \t] eol=[;] skip=3 tokens=1,"},
      {"eol=a eol=b", "delims=[ \t] eol=[b] skip=0 tokens=1,"},
      {"delims=a delims=b", "delims=[b] eol=[;] skip=0 tokens=1,"},
      // The "*" stays once given.
      {"tokens=* tokens=2", "delims=[ \t] eol=[;] skip=0 tokens=2,*"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, Outline(row.options)) << row.options;
}

TEST(ForOptions, BadOptions) {
  for (const char* options :
       {"x", "usebackqx", "delims", "eol", "skip=", "skip=x", "skip=1234567", "tokens=", "tokens=0",
        "tokens=99", "tokens=100", "tokens=3-1", "tokens=1-", "tokens=x", "tokens=1 x", "skip=2x",
        // Only letters fold: a byte 0x20 below "=" is no "=".
        "skip\0351", "EOL\035;"}) {
    EXPECT_EQ("invalid", Outline(options)) << options;
  }
}

}  // namespace
}  // namespace morvex::batch
