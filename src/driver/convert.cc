#include "driver/convert.h"

#include <vector>

#include "driver/batch_converter.h"
#include "driver/platform.h"
#include "translator/text.h"

namespace morvex {
namespace {

// Input is read, and output written, in blocks of this size; only a line
// longer than a block makes memory grow beyond a few of them.
constexpr size_t kBlockSize = 256 * 1024;

}  // namespace

std::string OutputName(std::string_view name) {
  // Both separators end a directory: "a.b/run" gives "a.b/run.sh", beside the
  // batch file, never "a.sh" outside its folder.
  const size_t dot = name.rfind('.');
  const size_t separator = name.find_last_of("\\/");
  if (dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator)) {
    return std::string(name.substr(0, dot + 1)) + "sh";
  }
  return std::string(name) + ".sh";
}

Status ConvertBatchFile(const std::string& name) {
  InputFile input;
  if (Status status = input.Open(name); !status.ok()) return status;
  OutputFile output;
  if (Status status = output.Create(OutputName(name), input); !status.ok()) return status;

  std::string script;
  script.reserve(2 * kBlockSize);
  BatchConverter converter(script);
  std::vector<char> block(kBlockSize);
  while (!converter.ended()) {
    size_t size = 0;
    if (Status status = input.Read(block.data(), block.size(), &size); !status.ok()) return status;
    if (size == 0) break;
    converter.Feed(std::string_view(block.data(), size));
    if (script.size() >= kBlockSize) {
      if (Status status = output.Write(script); !status.ok()) return status;
      script.clear();
    }
  }
  converter.Finish();
  if (Status status = output.Write(script); !status.ok()) return status;
  return output.Commit();
}

int Main(std::string_view argument) {
  const std::string name(Trim(argument));
  if (name.empty()) {
    ShowUsage();
    return kExitUsage;
  }
  const Status status = ConvertBatchFile(name);
  if (!status.ok()) {
    ShowFailure(status.message());
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace morvex
