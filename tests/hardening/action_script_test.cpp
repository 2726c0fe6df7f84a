// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The fuzzer's seed corpus and every input with which it found a fault, replayed through the
// rules of InvariantChecker in every build, so that a fault once found stays fixed.
#include "tests/hardening/action_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> FuzzInputs() {
  std::vector<std::filesystem::path> files;
  for (const char* dir : {MENSORATOR_FUZZ_CORPUS, MENSORATOR_FUZZ_FINDINGS})
    if (std::filesystem::is_directory(dir))
      for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.'))
          files.push_back(entry.path());
  std::ranges::sort(files);
  return files;
}

class FuzzInputTest : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(FuzzInputTest, BreaksNoRule) {
  std::ifstream file(GetParam(), std::ios::binary);
  ASSERT_TRUE(file) << GetParam();
  const std::string script{std::istreambuf_iterator<char>(file), {}};
  EXPECT_EQ(RunActionScript(script), "");
}

std::string InputName(const testing::TestParamInfo<std::filesystem::path>& info) {
  std::string name =
      info.param.parent_path().filename().string() + "_" + info.param.filename().string();
  std::ranges::replace_if(
      name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, FuzzInputTest, testing::ValuesIn(FuzzInputs()), InputName);

}  // namespace
