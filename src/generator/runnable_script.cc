#include "generator/runnable_script.h"

#include <vector>

#include "generator/generator.h"
#include "parser/parser.h"

namespace morvex {

std::string RunnableScript(std::string_view batch, std::string_view script_name) {
  const std::vector<std::string_view> lines = batch::SplitLines(batch);
  batch::Parser parser(lines);
  Generator generator(lines, script_name);
  batch::Statement statement;
  while (parser.Next(&statement)) generator.Statement(statement);
  return generator.Finish();
}

}  // namespace morvex
