// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The window as the page lays it out, described in JSON from the resources: the language
// shown, the dialog font, the tab texts (code-page-932 bytes, which the page decodes and has
// translated), the About entry's text and the main, About and page templates with every
// control's kind, text in that language and place in dialog units. Edit fields carry their
// element id ("IDC_HEX") and the indices of the labels that name them. Where the page's
// measured label texts are wider than their boxes, DescribeLayout makes room for them. It
// builds no elements and measures nothing: the page's script does.
#ifndef MENSORATOR_APP_WEB_WINDOW_DESCRIPTION_H
#define MENSORATOR_APP_WEB_WINDOW_DESCRIPTION_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pages/converter_pages.h"
#include "res/dialog_template.h"

// The window's templates in the order the page numbers them: main, About, then the pages.
std::vector<const DialogTemplate*> WindowDialogs(ConverterPages& pages);

// The description of the main window holding `pages`, in tab order, with its texts in
// `language`.
std::string DescribeWindow(ConverterPages& pages, std::string_view language);

// `dialog`'s size and control rectangles in dialog units, in JSON, where `labelPixels` holds
// the width of each control's text in pixels (in template order; labels only are read) and
// `baseX` is the font's average character width.
std::string DescribeLayout(const DialogTemplate& dialog, std::span<const int> labelPixels,
                           int baseX);

#endif
