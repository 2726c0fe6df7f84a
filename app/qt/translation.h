// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The program's texts in the user's language, for the Qt window.
//
// InstallTranslation picks the language once, at start-up, from the system's UI languages
// (Japanese, and an unset C or POSIX locale, keep the templates' own texts) and installs the
// translation of the program's texts compiled from its .ts file. Tr then gives any text of
// the templates and strings as it is shown. Field texts never pass through here.
#ifndef MENSORATOR_APP_QT_TRANSLATION_H
#define MENSORATOR_APP_QT_TRANSLATION_H

#include <QCoreApplication>
#include <QString>
#include <string_view>

// Installs the translation for the system's UI languages into `app`; returns the language
// chosen, e.g. "ja" or "en".
std::string_view InstallTranslation(QCoreApplication& app);

// A text of the templates or strings (UTF-8) in the installed language.
QString Tr(std::string_view source);
QString Tr(const QString& source);

#endif
