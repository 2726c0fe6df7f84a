// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Qt's own texts in the window's language: the edit fields' context menu (Undo, Cut, Copy,
// Paste, Select All) and the like, from the translations installed with Qt (Debian's
// qt6-translations-l10n). It translates none of the program's own texts.
#ifndef MENSORATOR_APP_QT_QT_TRANSLATIONS_H
#define MENSORATOR_APP_QT_QT_TRANSLATIONS_H

#include <QLocale>
#include <QTranslator>

// Loads Qt's translations for `language` into `translator` and installs it in the running
// application. False, with Qt's English texts left in place, where none are installed.
bool InstallQtTranslations(QTranslator& translator, const QLocale& language);

#endif
