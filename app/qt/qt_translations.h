// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The window's language, chosen by the window model from the system's UI languages, and Qt's
// own texts in it: the edit fields' context menu (Undo, Cut, Copy, Paste, Select All) and the
// like, from the translations installed with Qt (Debian's qt6-translations-l10n). The
// program's own texts come translated in the window model.
#ifndef MENSORATOR_APP_QT_QT_TRANSLATIONS_H
#define MENSORATOR_APP_QT_QT_TRANSLATIONS_H

#include <QTranslator>
#include <string_view>

// Chooses the window's language, e.g. "ja" or "en", loads Qt's translations for it into
// `translator` and installs it in the running application. Where none are installed, the
// translator stays empty and Qt's English texts stay in place.
std::string_view InstallLanguage(QTranslator& translator);

#endif
