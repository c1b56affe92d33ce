// A whole batch file converted in memory. The script must be the header and,
// for each non-blank line in order, its block: the comment that reproduces the
// raw line byte for byte, the line's notes, its translation and an empty line.
// The lines are found here by a splitter of this target's own, so a fault in
// the driver's line ends, Ctrl-Z or byte-order mark handling shows as a
// difference. The same bytes are then fed to ScriptBuilder in blocks whose
// sizes the input's last bytes choose, draining the output between blocks,
// and must give the same script.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "driver/script_builder.h"
#include "fuzz/invariants.h"
#include "translator/translate_line.h"

using morvex::fuzz::Require;

namespace {

// The raw lines of a batch file: a byte-order mark at the very start is
// dropped, a Ctrl-Z ends the input, and LF, CR LF and a lone CR end a line.
// A last line needs no line end.
std::vector<std::string_view> RawLines(std::string_view input) {
  if (input.substr(0, 3) == "\xEF\xBB\xBF") input.remove_prefix(3);
  input = input.substr(0, input.find('\x1a'));
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < input.size(); ++i) {
    if (input[i] != '\n' && input[i] != '\r') continue;
    lines.push_back(input.substr(start, i - start));
    if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < input.size()) lines.push_back(input.substr(start));
  return lines;
}

std::string ExpectedScript(std::string_view input) {
  std::string script = "#!/bin/sh\n\n";
  for (const std::string_view raw : RawLines(input)) {
    const std::string_view trimmed = morvex::fuzz::TrimSpaces(raw);
    if (trimmed.empty()) continue;
    script += "# DOS: ";
    script += raw;
    script += '\n';
    std::string notes;
    const std::string translation = morvex::TranslateLine(trimmed, notes);
    morvex::fuzz::RequireNoteLines(notes);
    script += notes;
    if (!translation.empty()) {
      script += translation;
      script += '\n';
    }
    script += '\n';
  }
  return script;
}

// Block sizes from the input's last (up to) eight bytes, taken in turn: a byte
// below 0x80 gives 1 to 8 bytes, one above gives up to about 1 KiB, and bit 6
// puts an empty block before it.
struct StringOutput : morvex::ScriptOutput {
  void Write(std::string_view bytes) override { text += bytes; }
  std::string text;
};

std::string ConvertInBlocks(std::string_view input) {
  const std::string_view chooser = input.substr(input.size() - std::min<size_t>(8, input.size()));
  StringOutput output;
  morvex::ScriptBuilder converter(output);
  for (size_t next = 0; !input.empty(); ++next) {
    const unsigned char c = chooser.empty() ? 0x07 : chooser[next % chooser.size()];
    if (c & 0x40) converter.Feed({});
    const size_t size = (c & 0x80) ? 1 + (c & 0x7f) * 8u : 1 + (c & 0x07u);
    const std::string_view block = input.substr(0, size);
    input.remove_prefix(block.size());
    converter.Feed(block);
  }
  converter.Finish();
  return std::move(output.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string script = morvex::BuildScript(input);
  Require(script.compare(0, 11, "#!/bin/sh\n\n") == 0, "a script starts with the header");
  Require(script.find('\r') == std::string::npos, "a script holds no CR");
  Require(script == ExpectedScript(input),
          "one block per non-blank line, in order, its comment the raw line byte for byte");
  Require(ConvertInBlocks(input) == script, "blocks of any size give the same script");
  return 0;
}
