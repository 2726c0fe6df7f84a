// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The language the window speaks, and its texts in that language.
//
// Japanese is the source: the templates and strings hold its texts. ChooseLanguage picks the
// language once, at start-up, from the user's preferred UI languages; Translate gives any
// text of the templates and strings in it, from the translations shipped in res/. Field
// texts never pass through here.
#ifndef MENSORATOR_APP_WINDOW_LANGUAGE_H
#define MENSORATOR_APP_WINDOW_LANGUAGE_H

#include <string>
#include <string_view>
#include <vector>

// The language to show a user whose preferred UI languages are `preferred`, most preferred
// first, as BCP 47 tags ("en-US") or POSIX locale names ("de_DE.UTF-8"): the source language
// where the first is unset ("C", "POSIX", with or without an encoding, or nothing at all) and
// otherwise the first that is Japanese or shipped, else the fallback language.
std::string_view ChooseLanguage(const std::vector<std::string>& preferred);

// `source` in `language`: the translation where there is one, else `source` itself.
std::string_view Translate(std::string_view language, std::string_view source);

// Every text of the templates, the strings and the notation menus that a person reads and a
// translation must cover, each once. The main window's caption and the About box's version line are
// the program's name and version and stay as they are.
std::vector<std::string_view> TranslatableTexts();

#endif
