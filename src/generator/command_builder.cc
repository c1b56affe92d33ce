#include "generator/command_builder.h"

#include <cassert>
#include <utility>

#include "generator/runtime_library.h"

namespace morvex {

CommandBuilder::CommandBuilder(Generator& g, std::string head) : g_(g), text_(std::move(head)) {}

CommandBuilder::CommandBuilder(Generator& g, Helper helper) : g_(g) {
  Call(helper);
}

CommandBuilder& CommandBuilder::Call(Helper helper) {
  g_.out().Use(helper);
  return Append(HelperName(helper));
}

CommandBuilder& CommandBuilder::Append(std::string_view text) {
  assert(!written_);
  text_ += text;
  return *this;
}

CommandBuilder& CommandBuilder::WordsOf(const batch::Text& text, WordStyle style) {
  for (const std::string& word : g_.Words(text, style, &prelude_)) Word(word);
  return *this;
}

CommandBuilder& CommandBuilder::Redirect(const batch::Command& command) {
  assert(!written_);
  redirections_ = g_.Redirections(command, &prelude_);
  return *this;
}

CommandBuilder& CommandBuilder::AfterPrelude(std::string line) {
  assert(!written_);
  after_prelude_.push_back(std::move(line));
  return *this;
}

std::string CommandBuilder::Value(const batch::Text& text) {
  assert(!written_);
  return g_.Value(text, &prelude_);
}

void CommandBuilder::WritePrelude() {
  assert(!written_);
  written_ = true;
  g_.WritePrelude(prelude_);
  for (const std::string& line : after_prelude_) g_.out().Line(line);
}

void CommandBuilder::Write() {
  WritePrelude();
  g_.out().Line(text_ + redirections_);
}

void CommandBuilder::WriteAssignment(const std::string& assignment) {
  WritePrelude();
  g_.out().Line(redirections_.empty() ? assignment : "{ " + assignment + "; }" + redirections_);
}

void CommandBuilder::WriteLines() {
  WritePrelude();
  g_.out().Lines(text_ + redirections_);
}

}  // namespace morvex
