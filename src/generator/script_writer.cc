#include "generator/script_writer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace morvex {

void ScriptWriter::Line(std::string_view text) {
  if (!text.empty()) text_.append(static_cast<size_t>(indent_), ' ');
  text_ += text;
  text_ += '\n';
}

void ScriptWriter::Comment(std::string_view prefix, std::string_view text) {
  text_.append(static_cast<size_t>(indent_), ' ');
  text_ += prefix;
  size_t begin = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\0' && c != '\r' && c != '\n') continue;
    text_.append(text.data() + begin, i - begin);
    if (c == '\n') text_ += "\n# ";
    begin = i + 1;
  }
  text_.append(text.data() + begin, text.size() - begin);
  text_ += '\n';
}

void ScriptWriter::Lines(std::string_view text) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    Line(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

bool ScriptWriter::HasCommand(std::string_view text, int vanishing) {
  std::string vanishing_hole;
  if (vanishing >= 0) {
    vanishing_hole += '\0';
    vanishing_hole += std::to_string(vanishing);
    vanishing_hole += ',';
  }
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    size_t first = line.find_first_not_of(' ');
    while (!vanishing_hole.empty() && first != std::string_view::npos &&
           line.compare(first, vanishing_hole.size(), vanishing_hole) == 0) {
      const size_t hole_end = line.find(';', first);
      first =
          hole_end == std::string_view::npos ? hole_end : line.find_first_not_of(' ', hole_end + 1);
    }
    if (first != std::string_view::npos && line[first] != '#') return true;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return false;
}

std::string ScriptWriter::Hole(int filler, size_t payload) {
  std::string hole(1, '\0');
  hole += std::to_string(filler);
  hole += ',';
  hole += std::to_string(payload);
  hole += ';';
  return hole;
}

void ScriptWriter::Seal() {
  if (text_.size() < kPieceSize) return;
  // A piece that grew far beyond its reserve gives back what it does not use.
  if (text_.capacity() > 2 * text_.size()) text_.shrink_to_fit();
  sealed_.push_back(std::exchange(text_, std::string()));
  text_.reserve(kPieceSize + kPieceSize / 4);
}

bool ScriptWriter::Contains(std::string_view needle) const {
  return std::any_of(
             sealed_.begin(), sealed_.end(),
             [&](const std::string& piece) { return piece.find(needle) != std::string::npos; }) ||
         text_.find(needle) != std::string::npos;
}

bool ScriptWriter::HasAnyCommand(int vanishing) const {
  return std::any_of(sealed_.begin(), sealed_.end(),
                     [&](const std::string& piece) { return HasCommand(piece, vanishing); }) ||
         HasCommand(text_, vanishing);
}

void ScriptWriter::Assemble(std::string_view head, const std::vector<HoleFiller>& fillers,
                            const std::function<void(std::string_view)>& write) const {
  write(head);
  size_t line = 1 + static_cast<size_t>(std::count(head.begin(), head.end(), '\n'));
  auto assemble = [&](std::string_view text) {
    size_t begin = 0;
    while (begin < text.size()) {
      const void* found = std::memchr(text.data() + begin, '\0', text.size() - begin);
      const size_t hole = found == nullptr
                              ? text.size()
                              : static_cast<size_t>(static_cast<const char*>(found) - text.data());
      const std::string_view plain = text.substr(begin, hole - begin);
      line += static_cast<size_t>(std::count(plain.begin(), plain.end(), '\n'));
      write(plain);
      if (hole == text.size()) break;
      const size_t comma = text.find(',', hole);
      const size_t end = text.find(';', comma);
      const int filler = std::stoi(std::string(text.substr(hole + 1, comma - hole - 1)));
      const size_t payload = std::stoul(std::string(text.substr(comma + 1, end - comma - 1)));
      const std::string filled = filler == kLineNumber
                                     ? std::to_string(line)
                                     : fillers[static_cast<size_t>(filler)](payload, line);
      line += static_cast<size_t>(std::count(filled.begin(), filled.end(), '\n'));
      write(filled);
      begin = end + 1;
    }
  };
  for (const std::string& piece : sealed_) assemble(piece);
  assemble(text_);
}

}  // namespace morvex
