// A whole batch file through the runnable mode's parser and generator. The
// script must start with "#!/bin/sh", hold no NUL byte (the generator's holes
// are all filled), come out the same when the same bytes are converted again,
// and carry every non-blank line of the batch file as a "# DOS: " comment, in
// file order, each line once.
//
// The lines are found here by a splitter of this target's own: a line ends at
// LF and at Ctrl-Z, as cmd reads one. A line that holds nothing but spaces,
// tabs, CR, VT, FF, 0xFF, ",", ";" and "=" is blank and gets no comment. In the
// comment, NUL bytes and carriage returns are left out; the comment line may
// be indented, since a line inside a block is commented where it is
// translated.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/invariants.h"
#include "generator/runnable_script.h"

using morvex::fuzz::Require;

namespace {

constexpr std::string_view kCommentPrefix = "# DOS: ";

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\r\x0B\x0C\xFF,;=") == std::string_view::npos;
}

// The comment each non-blank line must have, without its prefix.
std::vector<std::string> ExpectedComments(std::string_view batch) {
  std::vector<std::string> comments;
  size_t begin = 0;
  while (begin < batch.size()) {
    size_t end = batch.find_first_of(std::string_view("\n\x1A", 2), begin);
    if (end == std::string_view::npos) end = batch.size();
    const std::string_view line = batch.substr(begin, end - begin);
    begin = end + 1;
    if (IsBlank(line)) continue;
    std::string comment;
    for (const char c : line) {
      if (c != '\0' && c != '\r') comment += c;
    }
    comments.push_back(std::move(comment));
  }
  return comments;
}

// The text after the prefix of every script line that is such a comment,
// whatever its indentation.
std::vector<std::string_view> ScriptComments(std::string_view script) {
  std::vector<std::string_view> comments;
  while (!script.empty()) {
    const size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) continue;
    line.remove_prefix(first);
    if (line.substr(0, kCommentPrefix.size()) != kCommentPrefix) continue;
    comments.push_back(line.substr(kCommentPrefix.size()));
  }
  return comments;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view batch(reinterpret_cast<const char*>(data), size);
  const std::string script = morvex::RunnableScript(batch, "fuzz.sh");
  Require(script.compare(0, 10, "#!/bin/sh\n") == 0, "a script starts with #!/bin/sh");
  Require(script.find('\0') == std::string::npos, "a script holds no NUL byte");
  Require(morvex::RunnableScript(batch, "fuzz.sh") == script, "the same batch, the same script");

  const std::vector<std::string> expected = ExpectedComments(batch);
  const std::vector<std::string_view> found = ScriptComments(script);
  Require(found.size() == expected.size(), "one \"# DOS: \" comment per non-blank line");
  for (size_t i = 0; i < expected.size(); ++i) {
    Require(found[i] == expected[i], "each comment repeats its line, in file order");
  }
  return 0;
}
