// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The window's answers to keys and clicks, for two pages, as event sequences.
#include "app/window/window_behaviour.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// One user event: a tab selected, or a command with the focus in a page or not.
struct Event {
  std::optional<std::size_t> tab;
  WindowCommand command = WindowCommand::OK;
  bool inPage = true;
};

Event Tab(std::size_t page) { return {page}; }
Event InPage(WindowCommand command) { return {std::nullopt, command, true}; }
Event Outside(WindowCommand command) { return {std::nullopt, command, false}; }

constexpr std::optional<std::size_t> kNoPage;

struct BehaviourRow {
  const char* name;
  std::vector<Event> events;
  WindowReaction last;                 // the reaction to the last event
  std::optional<std::size_t> visible;  // the one visible page, if any
};

const BehaviourRow kBehaviourRows[] = {
    {"StartShowsTheFirstPage", {}, {}, 0},
    {"ClickingTheSecondTab", {Tab(1)}, {.pagesChanged = true}, 1},
    {"TabOutOfRangeChangesNothing", {Tab(1), Tab(2)}, {}, 1},
    {"NextPageFocusesItsFirstField",
     {InPage(WindowCommand::NextPage)},
     {.pagesChanged = true, .focus = FocusMove::FirstFieldOfSelectedPage},
     1},
    {"NextPageWrapsRound",
     {Tab(1), Outside(WindowCommand::NextPage)},
     {.pagesChanged = true, .focus = FocusMove::FirstFieldOfSelectedPage},
     0},
    {"PreviousPageWrapsRound",
     {InPage(WindowCommand::PreviousPage)},
     {.pagesChanged = true, .focus = FocusMove::FirstFieldOfSelectedPage},
     1},
    {"EscapeInAPageHidesItAndFocusesTheTabs",
     {InPage(WindowCommand::Cancel)},
     {.pagesChanged = true, .focus = FocusMove::TabStrip},
     kNoPage},
    {"SecondEscapeEndsTheProgram",
     {InPage(WindowCommand::Cancel), Outside(WindowCommand::Cancel)},
     {.end = true},
     kNoPage},
    {"SelectingTheHiddenPagesTabShowsIt",
     {InPage(WindowCommand::Cancel), Tab(0)},
     {.pagesChanged = true},
     0},
    {"OtherTabThenBackShowsTheHiddenPage",
     {InPage(WindowCommand::Cancel), Tab(1), Tab(0)},
     {.pagesChanged = true},
     0},
    {"PageKeyShowsAHiddenPagesNeighbour",
     {InPage(WindowCommand::Cancel), Outside(WindowCommand::NextPage)},
     {.pagesChanged = true, .focus = FocusMove::FirstFieldOfSelectedPage},
     1},
    {"EnterChangesNothing", {InPage(WindowCommand::OK), Outside(WindowCommand::OK)}, {}, 0},
    {"F1OpensTheAboutBox", {InPage(WindowCommand::AboutBox)}, {.openAboutBox = true}, 0},
};

class WindowBehaviourTest : public testing::TestWithParam<BehaviourRow> {};

TEST_P(WindowBehaviourTest, Answers) {
  const BehaviourRow& row = GetParam();
  WindowBehaviour window(2);
  WindowReaction last;
  for (const Event& event : row.events)
    last = event.tab ? window.OnTabSelected(*event.tab)
                     : window.OnCommand(event.command, event.inPage);
  EXPECT_EQ(last, row.last);
  for (std::size_t page = 0; page < 2; ++page) {
    SCOPED_TRACE(page);
    EXPECT_EQ(window.PageVisible(page), row.visible == page);
  }
}

INSTANTIATE_TEST_SUITE_P(Events, WindowBehaviourTest, testing::ValuesIn(kBehaviourRows),
                         [](const testing::TestParamInfo<BehaviourRow>& info) {
                           return info.param.name;
                         });

struct KeyRow {
  const char* name;
  Key key;
  unsigned modifiers;
  std::optional<WindowCommand> command;
};

const KeyRow kKeys[] = {
    {"F1", Key::F1, kNoModifier, WindowCommand::AboutBox},
    {"CtrlF1", Key::F1, kCtrl, std::nullopt},
    {"CtrlTab", Key::Tab, kCtrl, WindowCommand::NextPage},
    {"CtrlPageDown", Key::PageDown, kCtrl, WindowCommand::NextPage},
    {"CtrlShiftTab", Key::Tab, kCtrl | kShift, WindowCommand::PreviousPage},
    {"CtrlPageUp", Key::PageUp, kCtrl, WindowCommand::PreviousPage},
    {"AltPageDown", Key::PageDown, kAlt, WindowCommand::NextPage},
    {"AltPageUp", Key::PageUp, kAlt, WindowCommand::PreviousPage},
    {"CtrlAltPageDown", Key::PageDown, kCtrl | kAlt, std::nullopt},
    {"TabAloneMovesTheFocus", Key::Tab, kNoModifier, std::nullopt},
    {"PageDownAloneIsTheFields", Key::PageDown, kNoModifier, std::nullopt},
};

class WindowKeysTest : public testing::TestWithParam<KeyRow> {};

TEST_P(WindowKeysTest, Command) {
  EXPECT_EQ(CommandForKey(GetParam().key, GetParam().modifiers), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(Keys, WindowKeysTest, testing::ValuesIn(kKeys),
                         [](const testing::TestParamInfo<KeyRow>& info) {
                           return info.param.name;
                         });

TEST(CaretAfterRewrite, EndOfTheFieldBeingTypedInStartElsewhere) {
  EXPECT_EQ(CaretAfterRewrite(true, 5), 5);
  EXPECT_EQ(CaretAfterRewrite(false, 5), 0);
}

}  // namespace
