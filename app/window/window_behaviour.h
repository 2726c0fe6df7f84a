// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// How the main window answers the user's keys and clicks: which page shows, where the focus
// goes, when the About box opens and when the program ends.
//
// A front end turns its toolkit's events into WindowCommands (the window's keys through
// kWindowKeys, its dialog manager's OK and Cancel, a click on a tab) and carries out the
// WindowReaction it gets back: show or hide its page widgets as PageVisible says, move the
// focus, open the About box, end. Example: Escape in a field of the first page is Cancel with
// the focus in a page; the first page hides and the focus goes to the tab strip. A second
// Escape there is Cancel outside a page: the program ends. Clicking the first tab shows the
// page again, with its fields as they were.
//
// It holds no widgets and no field texts.
#ifndef MENSORATOR_APP_WINDOW_WINDOW_BEHAVIOUR_H
#define MENSORATOR_APP_WINDOW_WINDOW_BEHAVIOUR_H

#include <cstddef>
#include <optional>

enum class WindowCommand {
  NextPage,      // select the next page round the tabs, focus in its first field
  PreviousPage,  // the same backwards
  AboutBox,      // open the About box
  OK,            // Enter: changes nothing and closes nothing
  Cancel,        // Escape or the close box: hides the page it is in, else ends the program
};

// The keys the window answers wherever the focus is in it. Enter and Escape are the dialog
// manager's: it delivers them as OK and Cancel to the dialog the focus is in. Alt+PageDown
// and Alt+PageUp change pages where Ctrl+Tab and Ctrl+PageDown belong to a browser.
enum class Key { F1, Tab, PageDown, PageUp };
enum Modifiers : unsigned { kNoModifier = 0, kCtrl = 1, kShift = 2, kAlt = 4 };

struct KeyBinding {
  Key key;
  unsigned modifiers;
  WindowCommand command;
};

inline constexpr KeyBinding kWindowKeys[] = {
    {Key::F1, kNoModifier, WindowCommand::AboutBox},
    {Key::Tab, kCtrl, WindowCommand::NextPage},
    {Key::PageDown, kCtrl, WindowCommand::NextPage},
    {Key::Tab, kCtrl | kShift, WindowCommand::PreviousPage},
    {Key::PageUp, kCtrl, WindowCommand::PreviousPage},
    {Key::PageDown, kAlt, WindowCommand::NextPage},
    {Key::PageUp, kAlt, WindowCommand::PreviousPage},
};

// The command of `key` pressed with exactly `modifiers`, if it has one.
std::optional<WindowCommand> CommandForKey(Key key, unsigned modifiers);

enum class FocusMove {
  None,                      // the focus stays where it is
  FirstFieldOfSelectedPage,  // into the first field of the tab order, its text selected
  TabStrip,                  // onto the tab strip, so no key reaches a hidden field
};

struct WindowReaction {
  bool pagesChanged = false;  // which page is visible changed: show PageVisible(i) for each
  FocusMove focus = FocusMove::None;
  bool openAboutBox = false;
  bool end = false;  // end the modal run, and with it the program

  bool operator==(const WindowReaction&) const = default;
};

class WindowBehaviour {
 public:
  // Starts with the first of `pageCount` pages selected and visible.
  explicit WindowBehaviour(std::size_t pageCount) : m_pageCount(pageCount) {}

  std::size_t PageCount() const { return m_pageCount; }
  std::size_t SelectedPage() const { return m_selected; }
  bool PageVisible(std::size_t page) const { return page == m_selected && !m_selectedHidden; }

  // The tab strip's selection became `page` (a click, its own arrow keys): shows the page,
  // also one that Escape hid while its tab stayed selected. An index out of range changes
  // nothing.
  WindowReaction OnTabSelected(std::size_t page);
  // `command` arrived while the focus was inside a page (`inPage`) or elsewhere in the window.
  WindowReaction OnCommand(WindowCommand command, bool inPage);

 private:
  WindowReaction Select(std::size_t page);

  std::size_t m_pageCount;
  std::size_t m_selected = 0;
  bool m_selectedHidden = false;
};

// Where the caret goes when the program rewrites a field's text of `length` characters: after
// it in the field being typed in, where typing goes on; at the start of any other field, so
// that a long number shows its leading digits.
inline int CaretAfterRewrite(bool fieldHasFocus, int length) { return fieldHasFocus ? length : 0; }

#endif
