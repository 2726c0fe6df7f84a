// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/window/language.h"

#include <algorithm>
#include <cctype>

#include "notations/field_notations.h"
#include "res/dialog_template.h"
#include "res/strings.h"
#include "res/translations.h"

namespace {

// The primary language subtag in lower case: "en" of "en-US", "de" of "de_DE.UTF-8".
std::string PrimaryLanguage(std::string_view tag) {
  std::string language(tag.substr(0, tag.find_first_of("-_.@")));
  for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return language;
}

const Translation* Find(std::string_view language) {
  const auto found = std::find_if(kTranslations.begin(), kTranslations.end(),
                                  [&](const Translation& t) { return t.language == language; });
  return found != kTranslations.end() ? &*found : nullptr;
}

}  // namespace

std::string_view ChooseLanguage(const std::vector<std::string>& preferred) {
  if (preferred.empty()) return kSourceLanguage;
  const std::string first = PrimaryLanguage(preferred.front());
  if (first.empty() || first == "c" || first == "posix") return kSourceLanguage;
  for (const std::string& tag : preferred) {
    const std::string language = PrimaryLanguage(tag);
    if (language == kSourceLanguage) return kSourceLanguage;
    for (const Translation& translation : kTranslations)
      if (PrimaryLanguage(translation.language) == language) return translation.language;
  }
  return kFallbackLanguage;
}

std::string_view Translate(std::string_view language, std::string_view source) {
  const Translation* translation = Find(language);
  if (translation == nullptr) return source;
  for (const TranslatedText& text : translation->texts)
    if (text.source == source) return text.translation;
  return source;
}

std::vector<std::string_view> TranslatableTexts() {
  std::vector<std::string_view> texts{kAboutBoxMenuText, kAboutBoxTemplate.caption, kHiddenPageHint,
                                      kCopyAsMenuText, kPasteAsMenuText};
  texts.insert(texts.end(), std::begin(kTabTexts), std::end(kTabTexts));
  texts.insert(texts.end(), std::begin(kEditMenuTexts), std::end(kEditMenuTexts));
  for (const DialogTemplate* dialog : {&kAboutBoxTemplate, &kMainDialogTemplate,
                                       &kPageRadixAngleTemplate, &kPageDistanceAngleTemplate}) {
    for (const ControlTemplate& control : dialog->controls) {
      // The tab control's template text is never shown: its items replace it.
      if (control.text.empty() || control.kind == ControlKind::Tab || control.text == kVersionText)
        continue;
      if (std::find(texts.begin(), texts.end(), control.text) == texts.end())
        texts.push_back(control.text);
    }
  }
  for (std::string_view text : NotationTexts())
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
  return texts;
}
