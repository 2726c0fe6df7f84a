// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The window as the page lays it out, described in JSON from the resources: the dialog
// font, the tab texts (code-page-932 bytes, which the page decodes), the About entry's text
// and the main, page and About templates with every control's kind, text and place in
// dialog units. Edit fields carry their element id ("IDC_HEX") and the indices of the labels
// that name them. It builds no elements and measures nothing: the page's script does.
#ifndef MENSORATOR_APP_WEB_WINDOW_DESCRIPTION_H
#define MENSORATOR_APP_WEB_WINDOW_DESCRIPTION_H

#include <string>

#include "pages/converter_pages.h"

// The description of the main window holding `pages`, in tab order.
std::string DescribeWindow(ConverterPages& pages);

#endif
