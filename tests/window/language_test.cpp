// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The choice of language and the shipped translations' completeness.
#include "app/window/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/strings.h"
#include "res/translations.h"

namespace {

struct LanguageRow {
  const char* name;
  std::vector<std::string> preferred;
  std::string_view expected;
};

class ChooseLanguageTest : public testing::TestWithParam<LanguageRow> {};

TEST_P(ChooseLanguageTest, Chooses) {
  EXPECT_EQ(ChooseLanguage(GetParam().preferred), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChooseLanguageTest,
    testing::Values(LanguageRow{"Unset", {}, "ja"}, LanguageRow{"CLocale", {"C"}, "ja"},
                    LanguageRow{"Posix", {"POSIX"}, "ja"},
                    LanguageRow{"Japanese", {"ja-JP", "ja-Jpan-JP", "ja"}, "ja"},
                    LanguageRow{"English", {"en-US", "en-Latn-US", "en"}, "en"},
                    LanguageRow{"BritishPosixName", {"en_GB"}, "en"},
                    LanguageRow{"GermanFallsBackToEnglish", {"de-DE", "de"}, "en"},
                    LanguageRow{"JapaneseSecondToUntranslated", {"de", "ja"}, "ja"},
                    LanguageRow{"CSecondCountsForNothing", {"de", "C"}, "en"},
                    LanguageRow{"CWithAnEncodingIsUnset", {"C.UTF-8"}, "ja"},
                    LanguageRow{"GermanWithAnEncoding", {"de_DE.UTF-8"}, "en"},
                    LanguageRow{"RegionFirstThenJapanese", {"en-GB", "ja"}, "en"}),
    [](const testing::TestParamInfo<LanguageRow>& info) { return info.param.name; });

// Hiragana, katakana, CJK ideographs and full-width forms, as UTF-8 of U+3000 and above.
bool HasJapanese(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xE3 && lead <= 0xEF) return true;  // U+3000 to U+FFFF
  }
  return false;
}

TEST(Translations, EnglishIsShipped) {
  EXPECT_TRUE(std::any_of(kTranslations.begin(), kTranslations.end(),
                          [](const Translation& t) { return t.language == kFallbackLanguage; }));
}

// Every text a person reads has a translation, with no Japanese left in it, in every shipped
// language; one untranslated text in one language fails.
TEST(Translations, EveryShippedLanguageTranslatesEveryText) {
  const std::vector<std::string_view> texts = TranslatableTexts();
  ASSERT_GT(texts.size(), 20u);
  for (const Translation& translation : kTranslations) {
    for (std::string_view source : texts) {
      SCOPED_TRACE(std::string(translation.language) + ": " + std::string(source));
      const auto found = std::find_if(translation.texts.begin(), translation.texts.end(),
                                      [&](const TranslatedText& t) { return t.source == source; });
      ASSERT_NE(found, translation.texts.end());
      EXPECT_FALSE(found->translation.empty());
      EXPECT_FALSE(HasJapanese(found->translation));
    }
  }
}

TEST(Translations, LooksUpWithSourceAsFallback) {
  EXPECT_EQ(Translate("en", "１６進数"), "Hexadecimal");
  EXPECT_EQ(Translate("en", kAboutBoxMenuText), "&About Mensorator...");
  EXPECT_EQ(Translate("en", "Copyright (C) 2004 Mensorator\n2004/08/29"),
            "Copyright (C) 2004 Mensorator\n2004/08/29");
  EXPECT_EQ(Translate("ja", "１６進数"), "１６進数");
  EXPECT_EQ(Translate("en", "Mensorator"), "Mensorator");
  EXPECT_EQ(Translate("xx", "距離"), "距離");
}

}  // namespace
