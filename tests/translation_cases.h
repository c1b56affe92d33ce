// Table-driven checks of TranslateLine: a line, its translation, its notes.

#ifndef MORVEX_TESTS_TRANSLATION_CASES_H_
#define MORVEX_TESTS_TRANSLATION_CASES_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "translator/rewriting.h"
#include "translator/translate_line.h"

namespace morvex {

struct Case {
  std::string line, translation, notes;
};

inline void ExpectTranslations(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::string notes;
    EXPECT_EQ(TranslateLine(c.line, notes), c.translation);
    EXPECT_EQ(notes, c.notes);
  }
}

// The notes of the argument rewriting, which many rules share.
inline const std::string kSwitch = "# switch translation not implemented yet\n";
inline const std::string kDrive =
    "# drive letters need to be reconciled to their proper mount points\n";

}  // namespace morvex

#endif  // MORVEX_TESTS_TRANSLATION_CASES_H_
