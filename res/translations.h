// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The program's texts in the languages it ships besides Japanese, and the choice among them.
//
// Japanese is the source language: the dialog templates and strings hold its texts, and a
// Japanese user sees exactly those. Each other language is one Qt Linguist file,
// res/mensorator_LANG.ts. The build turns each into a .qm file for the Qt front end's
// QTranslator and, by res/ts-to-cpp, into the table below for the front ends without Qt, so
// both take their texts from the one file. Nothing here shows or changes a text: the front
// ends look each text up as they show it.
#ifndef MENSORATOR_RES_TRANSLATIONS_H
#define MENSORATOR_RES_TRANSLATIONS_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The language to show a user whose preferred UI languages are `preferred`, most preferred
// first, as BCP 47 tags ("en-US") or POSIX names ("de_DE"): the source language where the
// first is unset ("C", "POSIX" or nothing at all) and otherwise the first that is Japanese or
// shipped, else the fallback language.
std::string_view ChooseLanguage(const std::vector<std::string>& preferred);

// `source` in `language`: the translation where there is one, else `source` itself.
std::string_view Translate(std::string_view language, std::string_view source);

// Every text of the dialog templates and strings that a person reads and a translation must
// cover, each once. The main window's caption is the program's name and stays as it is; the
// tab texts, held in code page 932, are the front ends' to decode and look up.
std::vector<std::string_view> TranslatableTexts();

#endif
