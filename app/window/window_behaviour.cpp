// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/window/window_behaviour.h"

std::optional<WindowCommand> CommandForKey(Key key, unsigned modifiers) {
  for (const KeyBinding& binding : kWindowKeys)
    if (binding.key == key && binding.modifiers == modifiers) return binding.command;
  return std::nullopt;
}

WindowReaction WindowBehaviour::Select(std::size_t page) {
  m_selected = page;
  m_selectedHidden = false;
  return {.pagesChanged = true};
}

WindowReaction WindowBehaviour::OnTabSelected(std::size_t page) {
  if (page >= m_pageCount) return {};
  return Select(page);
}

WindowReaction WindowBehaviour::OnCommand(WindowCommand command, bool inPage) {
  WindowReaction reaction;
  if (m_pageCount == 0) return reaction;
  switch (command) {
    case WindowCommand::NextPage:
    case WindowCommand::PreviousPage: {
      const std::size_t step = command == WindowCommand::NextPage ? 1 : m_pageCount - 1;
      reaction = Select((m_selected + step) % m_pageCount);
      reaction.focus = FocusMove::FirstFieldOfSelectedPage;
      break;
    }
    case WindowCommand::AboutBox:
      reaction.openAboutBox = true;
      break;
    case WindowCommand::OK:
      break;
    case WindowCommand::Cancel:
      if (inPage) {
        // The page's own Cancel hides it until its tab is selected again.
        m_selectedHidden = true;
        reaction = {.pagesChanged = true, .focus = FocusMove::TabStrip};
      } else {
        reaction.end = true;
      }
      break;
  }
  return reaction;
}
