// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/window/window_view.h"

#include <algorithm>
#include <iterator>

#include "app/window/dialog_layout.h"
#include "app/window/field_names.h"
#include "app/window/language.h"
#include "res/strings.h"

static_assert(std::size(kTabTexts) == ConverterPages::kCount, "one tab text per page");

namespace {

DialogView ViewOf(const DialogTemplate& dialog, const DialogLayout& layout,
                  std::string_view language, DialogUnits units) {
  DialogView view{&dialog,   Translate(language, dialog.caption), layout.cx,
                  layout.cy, units.ToPixelsX(layout.cx),          units.ToPixelsY(layout.cy),
                  {}};
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlTemplate& control = dialog.controls[i];
    ControlView& shown = view.controls.emplace_back(ControlView{control.id,
                                                                control.kind,
                                                                Translate(language, control.text),
                                                                layout.controls[i],
                                                                units.ToPixels(layout.controls[i]),
                                                                {},
                                                                {},
                                                                {}});
    if (control.kind != ControlKind::Edit) continue;
    shown.objectName = FieldObjectName(control.id);
    shown.accessibleName = FieldAccessibleName(dialog, i, language);
    shown.nameLabels = FieldNameLabels(dialog, i);
  }
  return view;
}

DialogLayout LayOut(const DialogTemplate& dialog, std::string_view language, DialogUnits units,
                    const TextWidth& textWidth) {
  return MakeRoomForLabels(dialog, [&](const ControlTemplate& label) {
    return units.ToUnitsX(textWidth(Translate(language, label.text), label.kind));
  });
}

}  // namespace

const ControlView* DialogView::Find(int id) const {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [id](const ControlView& control) { return control.id == id; });
  return found != controls.end() ? &*found : nullptr;
}

WindowView DescribeWindow(ConverterPages& pages, std::string_view language, DialogUnits units,
                          const TextWidth& textWidth) {
  WindowView view{language, units, {}, {}, {}, Translate(language, kAboutBoxMenuText), {}};
  int wider = 0;
  for (const CFieldPage* page : pages.All()) {
    const DialogTemplate& dialog = page->Template();
    const DialogLayout layout = LayOut(dialog, language, units, textWidth);
    wider = std::max(wider, layout.cx - dialog.cx);
    view.pages.push_back(ViewOf(dialog, layout, language, units));
  }
  for (std::string_view tab : kTabTexts) view.tabs.push_back(Translate(language, tab));
  DialogLayout main = LayOut(kMainDialogTemplate, language, units, textWidth);
  Widen(main, wider);
  view.main = ViewOf(kMainDialogTemplate, main, language, units);
  view.about = ViewOf(kAboutBoxTemplate, LayOut(kAboutBoxTemplate, language, units, textWidth),
                      language, units);
  return view;
}
