#include "generator/runnable_script.h"

namespace morvex {

std::string RunnableScript(std::string_view batch, std::string_view script_name) {
  (void)batch;
  std::string script = "#!/bin/sh\n";
  script += "printf '%s\\n' '";
  script += script_name;
  script += ": not translated yet' >&2\nexit 1\n";
  return script;
}

}  // namespace morvex
