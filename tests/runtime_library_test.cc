// The helper library: a script gets each helper it uses, with the helpers
// those need, once. The helpers' own cases are in
// src/generator/runtime/test_helpers.

#include <gtest/gtest.h>

#include <string>

#include "generator/runtime_library.h"

namespace morvex {
namespace {

TEST(RuntimeLibraryTest, DefinitionsHoldWhatTheHelpersNeedOnce) {
  const std::string copy = HelperDefinitions({Helper::kCopy});
  EXPECT_NE(std::string::npos, copy.find("_bs() {"));
  EXPECT_EQ(copy.find("_bs() {"), copy.rfind("_bs() {"));
  EXPECT_EQ(std::string::npos, copy.find("_xcopy() {"));
  EXPECT_EQ(HelperDefinitions({Helper::kCopy, Helper::kBs}),
            HelperDefinitions({Helper::kBs, Helper::kCopy}));
}

}  // namespace
}  // namespace morvex
