// cd, pushd, popd, md and rd: the current folder and the folders on disk.

#include "generator/commands/commands.h"

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

// The text after cd's or pushd's word, which is one folder name: "cd.." and
// "cd\" have no separator before it.
Text FolderText(const batch::Command& command) {
  const Text& arguments = command.simple().arguments;
  if (!arguments.empty() && arguments.pieces()[0].kind == Piece::Kind::kLiteral) {
    const char first = arguments.pieces()[0].text[0];
    // A separator that is no blank goes: trimming keeps it.
    if (batch::IsSeparator(first) && !batch::IsBlank(first))
      return TrimBlanks(ArgumentsAfterWord(command));
  }
  return TrimBlanks(arguments);
}

}  // namespace

void TranslateCd(Generator& g, const batch::Command& command) {
  Text text = FolderText(command);
  CommandBuilder cd(g, Helper::kCd);
  cd.Redirect(command);
  // "/d" also changes the drive, which has no counterpart here.
  if (!text.empty() && text.pieces()[0].kind == Piece::Kind::kLiteral) {
    const std::string& first = text.pieces()[0].text;
    if (first.size() >= 2 && first[0] == '/' && batch::ToLower(first[1]) == 'd') {
      Text rest;
      rest.Append(std::string_view(first).substr(2));
      for (size_t i = 1; i < text.pieces().size(); ++i) rest.Append(text.pieces()[i]);
      text = TrimBlanks(rest);
    }
  }
  // cd takes the rest of the line as one folder name, spaces and all; without
  // one it shows the current folder.
  cd.Word(text.empty() ? "''" : cd.Value(text)).Write();
}

void TranslatePushd(Generator& g, const batch::Command& command) {
  const Text text = FolderText(command);
  CommandBuilder pushd(g, Helper::kPushd);
  pushd.Redirect(command);
  if (!text.empty()) pushd.WordOf(text);
  pushd.Write();
}

void TranslatePopd(Generator& g, const batch::Command& command) {
  CommandBuilder(g, Helper::kPopd).Redirect(command).Write();
}

void TranslateMd(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kMd, command.simple().arguments);
}

void TranslateRd(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kRd, command.simple().arguments);
}

}  // namespace morvex
