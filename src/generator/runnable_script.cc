#include "generator/runnable_script.h"

#include <vector>

#include "generator/generator.h"
#include "parser/parser.h"

namespace morvex {

void WriteRunnableScript(std::string_view batch, std::string_view script_name,
                         const std::function<void(std::string_view)>& write) {
  const std::vector<std::string_view> lines = batch::SplitLines(batch);
  batch::Parser parser(lines);
  Generator generator(lines, script_name);
  batch::Statement statement;
  while (parser.Next(&statement)) generator.Statement(statement);
  generator.Finish(write);
}

std::string RunnableScript(std::string_view batch, std::string_view script_name) {
  std::string script;
  WriteRunnableScript(batch, script_name, [&](std::string_view piece) { script += piece; });
  return script;
}

}  // namespace morvex
