// for /f options: keywords in any case, separated by spaces or tabs, each
// read by its own function.

#include "parser/for_options.h"

#include <algorithm>

#include "parser/characters.h"

namespace morvex::batch {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

class OptionsReader {
 public:
  explicit OptionsReader(std::string_view text) : text_(text) {}

  std::optional<ForOptions> Options() {
    while (i_ < text_.size()) {
      if (text_[i_] == ' ' || text_[i_] == '\t') {
        ++i_;
        continue;
      }
      const Keyword* keyword = KeywordAt(i_);
      if (keyword == nullptr) return std::nullopt;
      i_ += keyword->name.size();
      if (!(this->*keyword->read)()) return std::nullopt;
    }
    return options_;
  }

 private:
  struct Keyword {
    std::string_view name;
    bool (OptionsReader::*read)();  // reads the value after the name; false when it is bad
  };
  static const Keyword kKeywords[5];

  const Keyword* KeywordAt(size_t i) const {
    for (const Keyword& keyword : kKeywords) {
      if (StartsWith(text_.substr(i), keyword.name)) return &keyword;
    }
    return nullptr;
  }

  bool Usebackq() {
    options_.usebackq = true;
    return true;
  }

  // The one character after "=", whatever it is.
  bool Eol() {
    options_.eol = i_ < text_.size() ? std::string(1, text_[i_++]) : std::string();
    return true;
  }

  bool Skip() {
    const std::optional<int> skip = Number(6);
    if (!skip) return false;
    options_.skip = *skip;
    return true;
  }

  // The delimiters run to a space that starts another option, or to the
  // end: "delims= " makes the space one.
  bool Delims() {
    options_.delims.clear();
    while (i_ < text_.size() &&
           !(text_[i_] == ' ' && i_ + 1 < text_.size() && KeywordAt(i_ + 1) != nullptr)) {
      options_.delims += text_[i_++];
    }
    return true;
  }

  // Numbers and ranges ("1,3-5"), and a "*" for the rest, up to a space.
  bool Tokens() {
    options_.tokens.clear();
    while (i_ < text_.size() && text_[i_] != ' ') {
      if (text_[i_] == '*') {
        options_.rest = true;
        ++i_;
        continue;
      }
      const std::optional<int> first = Number(2);
      if (!first) return false;
      std::optional<int> last = first;
      if (i_ < text_.size() && text_[i_] == '-') {
        ++i_;
        last = Number(2);
        if (!last) return false;
      }
      for (int token = *first; token <= *last && token <= 31; ++token) {
        if (token > 0) options_.tokens.push_back(token);
      }
      if (i_ < text_.size() && text_[i_] == ',') ++i_;
    }
    std::vector<int>& tokens = options_.tokens;
    std::sort(tokens.begin(), tokens.end());
    tokens.erase(std::unique(tokens.begin(), tokens.end()), tokens.end());
    return !tokens.empty() || options_.rest;
  }

  // A number of one to `max_digits` digits.
  std::optional<int> Number(size_t max_digits) {
    size_t end = i_;
    while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
    if (end == i_ || end - i_ > max_digits) return std::nullopt;
    int number = 0;
    for (; i_ < end; ++i_) number = number * 10 + (text_[i_] - '0');
    return number;
  }

  std::string_view text_;
  size_t i_ = 0;
  ForOptions options_;
};

const OptionsReader::Keyword OptionsReader::kKeywords[5] = {
    {"usebackq", &OptionsReader::Usebackq}, {"eol=", &OptionsReader::Eol},
    {"skip=", &OptionsReader::Skip},        {"delims=", &OptionsReader::Delims},
    {"tokens=", &OptionsReader::Tokens},
};

}  // namespace

std::optional<ForOptions> ParseForOptions(std::string_view text) {
  return OptionsReader(text).Options();
}

}  // namespace morvex::batch
