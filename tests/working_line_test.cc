// The working line keeps the part before a cut in a buffer of its own and
// remembers how far its searches have looked. Random sequences of edits and
// searches are checked against a plain string that is edited the obvious way.

#include "translator/working_line.h"

#include <gtest/gtest.h>

#include <random>

#include "translator/text.h"

namespace morvex {
namespace {

constexpr size_t npos = std::string::npos;

size_t FindFoldedIn(const std::string& text, std::string_view upper) {
  std::string folded = text;
  for (char& c : folded) c = ToUpperAscii(c);
  return folded.find(upper);
}

// The cut as the alias rule describes it: what stands before, trimmed at its
// end, one space, and what stands after, trimmed at its start.
std::string CutJoining(const std::string& text, size_t pos, size_t n) {
  const size_t begin = std::min(pos, text.size());
  const size_t end = std::min(text.size() - begin, n) + begin;
  std::string before = text.substr(0, begin);
  while (!before.empty() && before.back() == ' ') before.pop_back();
  std::string_view after = std::string_view(text).substr(end);
  while (!after.empty() && after.front() == ' ') after.remove_prefix(1);
  return before + " " + std::string(after);
}

std::string RandomText(std::mt19937& random) {
  static const char* const kPieces[] = {" ",     "  ", "=", "/insert",    "/INSERT", "exist",
                                        "EXIST", "a",  "b", "Errorlevel", "defined", "x="};
  std::string text;
  const size_t pieces = random() % 14;
  for (size_t i = 0; i < pieces; ++i) text += kPieces[random() % std::size(kPieces)];
  return text;
}

TEST(WorkingLineTest, BehavesLikeAPlainStringUnderEditsAndSearches) {
  std::mt19937 random(20261206);
  for (int sequence = 0; sequence < 3000; ++sequence) {
    const std::string original = RandomText(random);  // the line views it
    WorkingLine line(original);
    std::string model = original;
    for (int step = 0; step < 24; ++step) {
      SCOPED_TRACE("sequence " + std::to_string(sequence) + " step " + std::to_string(step) +
                   " text \"" + model + "\"");
      const size_t pos = random() % (model.size() + 2);
      switch (random() % 10) {
        case 0:
          line.RemovePrefix(pos);
          model.erase(0, pos);
          break;
        case 1:
          line.Trim();
          model = std::string(Trim(model));
          break;
        case 2:
          line.TrimBack();
          while (!model.empty() && model.back() == ' ') model.pop_back();
          break;
        case 3: {
          // Cut where the alias rule cuts, mostly, and sometimes anywhere.
          const size_t insert = FindFoldedIn(model, "/INSERT");
          const size_t at = (insert != npos && random() % 4 != 0) ? insert : pos;
          const size_t n = random() % 9;
          line.CutJoining(at, n);
          model = CutJoining(model, at, n);
          break;
        }
        case 4:
          if (random() % 3 == 0) {
            model = RandomText(random);
            line.Replace(model);
          }
          break;
        case 5:
          EXPECT_EQ(model, line.View());
          break;
        default:
          break;
      }
      ASSERT_EQ(model.size(), line.size());
      ASSERT_EQ(model, line.Copy(0));
      EXPECT_EQ(model.substr(std::min(pos, model.size()), 3), line.Copy(pos, 3));
      EXPECT_EQ(model.find('='), line.Find('='));
      EXPECT_EQ(FindFoldedIn(model, "/INSERT"), line.FindFolded("/INSERT"));
      EXPECT_EQ(FindFoldedIn(model, "EXIST"), line.FindFolded("EXIST"));
      EXPECT_EQ(FindFoldedIn(model, "ERRORLEVEL"), line.FindFolded("ERRORLEVEL"));
      EXPECT_EQ(model.find_first_of(" ="), line.FindFirstOf(" ="));
      if (!model.empty()) {
        EXPECT_EQ(model[pos % model.size()], line[pos % model.size()]);
      }
    }
  }
}

}  // namespace
}  // namespace morvex
