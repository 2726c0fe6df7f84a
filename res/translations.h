// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The program's texts in the languages it ships besides Japanese, as data.
//
// Japanese is the source language: the dialog templates and strings hold its texts, and a
// Japanese user sees exactly those. Each other language is one Qt Linguist file,
// res/mensorator_LANG.ts. The build turns each, by res/ts-to-cpp, into the table below, from
// which every front end takes its texts. The choice of language and the look-up are the
// window's (app/window/language.h).
#ifndef MENSORATOR_RES_TRANSLATIONS_H
#define MENSORATOR_RES_TRANSLATIONS_H

#include <span>
#include <string_view>

// The language of the templates' own texts, and the one shown where the user's language is
// neither Japanese nor translated.
inline constexpr std::string_view kSourceLanguage = "ja";
inline constexpr std::string_view kFallbackLanguage = "en";
// The translation context of every text in the .ts files.
inline constexpr const char* kTranslationContext = "Mensorator";

struct TranslatedText {
  std::string_view source;  // UTF-8, as the templates and strings hold it
  std::string_view translation;
};

struct Translation {
  std::string_view language;  // the .ts file's language, e.g. "en"
  std::span<const TranslatedText> texts;
};

// Every shipped translation, generated from the .ts files.
extern const std::span<const Translation> kTranslations;

#endif
