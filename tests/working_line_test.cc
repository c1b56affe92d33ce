// The working line against a plain string edited the obvious way, under
// random sequences of the edits and searches that rules make.

#include "translator/working_line.h"

#include <gtest/gtest.h>

#include <random>

#include "translator/text.h"

namespace morvex {
namespace {

constexpr size_t npos = std::string::npos;

// The cut as the alias rule describes it: what stands before the first
// "/insert", trimmed at its end, one space, and what stands after, trimmed at
// its start.
std::string CutInsert(const std::string& text) {
  const size_t at = FindFolded(text, "/insert");
  if (at == npos) return text;
  std::string before = text.substr(0, at);
  while (!before.empty() && before.back() == ' ') before.pop_back();
  std::string_view after = std::string_view(text).substr(at + 7);
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
        case 3:
        case 4:
          line.CutInsert();
          model = CutInsert(model);
          break;
        case 5:
          if (random() % 3 == 0) {
            model = RandomText(random);
            line.Replace(model);
          }
          break;
        case 6:
          line.Join();
          EXPECT_EQ(model, line.text());
          break;
        default:
          break;
      }
      ASSERT_EQ(model.size(), line.size());
      ASSERT_EQ(model, line.Copy(0));
      EXPECT_EQ(model.substr(std::min(pos, model.size()), 3), line.Copy(pos, 3));
      EXPECT_EQ(model.find('='), line.Find(WorkingLine::kEquals));
      EXPECT_EQ(FindFolded(model, "/insert"), line.Find(WorkingLine::kInsert));
      EXPECT_EQ(FindFolded(model, "exist"), line.Find(WorkingLine::kExist));
      EXPECT_EQ(FindFolded(model, "errorlevel"), line.Find(WorkingLine::kErrorlevel));
      EXPECT_EQ(model.find_first_of(" ="), line.FindFirstOf(" ="));
      if (!model.empty()) {
        EXPECT_EQ(model[pos % model.size()], line[pos % model.size()]);
      }
    }
  }
}

}  // namespace
}  // namespace morvex
