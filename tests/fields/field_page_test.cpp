// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The field framework's delivery rules, on a small page that records what its handlers see.
#include "fields/field_page.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kA = 1, kB = 2, kC = 3;
constexpr ControlTemplate kControls[] = {
    {kA, ControlKind::Edit, "", 0, 0, 10, 10},
    {-1, ControlKind::Label, "label", 0, 0, 10, 10},
    {kB, ControlKind::Edit, "", 0, 0, 10, 10},
    {kC, ControlKind::Edit, "", 0, 0, 10, 10},
};
constexpr DialogTemplate kTemplate{1, "", 100, 100, kControls};

// A: on change writes B with A's text plus "!"; B: on change writes C with its own text;
// C: records. Every handler logs its entry and exit, so nesting shows in the log.
class TestPage : public CFieldPage {
 public:
  TestPage() : CFieldPage(kTemplate) {}
  std::vector<std::string> log;
  std::string initialB = "b";
  using CFieldPage::GetDlgItemTextA;
  using CFieldPage::SetDlgItemTextA;

 protected:
  void DoDataExchange() override {
    DDX_Text(kB, initialB);
    DDX_Text(kC, 0.0f);
  }
  void OnCommand(std::uint16_t code, int id) override { RouteCommand(*this, kMap, code, id); }

 private:
  void OnChangeA() {
    log.push_back("A(");
    std::string text;
    GetDlgItemTextA(kA, text);
    SetDlgItemTextA(kB, text + "!");
    log.push_back("after B write");
    log.push_back(")A");
  }
  void OnChangeB() {
    log.push_back("B(");
    std::string text;
    GetDlgItemTextA(kB, text);
    SetDlgItemTextA(kC, text);
    log.push_back(")B");
  }
  void OnChangeC() {
    std::string text;
    GetDlgItemTextA(kC, text);
    log.push_back("C=" + text);
  }
  void OnSetfocusA() { log.push_back("focus A"); }

  static constexpr MessageMapEntry<TestPage> kMap[] = {
      {EN_CHANGE, kA, &TestPage::OnChangeA},
      {EN_CHANGE, kB, &TestPage::OnChangeB},
      {EN_CHANGE, kC, &TestPage::OnChangeC},
      {EN_SETFOCUS, kA, &TestPage::OnSetfocusA},
  };
};

struct RecordingObserver final : FieldObserver {
  std::vector<std::string> writes;
  void OnFieldWritten(int id, std::string_view text) override {
    writes.push_back(std::to_string(id) + ":" + std::string(text));
  }
};

TEST(FieldPageTest, MakesOneEmptyFieldPerEditControl) {
  TestPage page;
  EXPECT_TRUE(page.HasField(kA));
  EXPECT_TRUE(page.HasField(kC));
  EXPECT_FALSE(page.HasField(-1));
  EXPECT_EQ(page.FieldText(kA), "");
  EXPECT_THROW(page.FieldText(99), std::out_of_range);
  EXPECT_THROW(page.OnFieldEdited(99, "x"), std::out_of_range);
  EXPECT_THROW(page.OnFieldFocused(99), std::out_of_range);
}

TEST(FieldPageTest, DataExchangeWritesOnlyDifferingTexts) {
  TestPage page;
  RecordingObserver observer;
  page.SetObserver(&observer);
  page.initialB = "";  // equal to the empty field: not written
  page.Create();
  EXPECT_EQ(observer.writes, (std::vector<std::string>{"3:0"}));
  EXPECT_EQ(page.log, (std::vector<std::string>{"C=0"}));
  EXPECT_THROW(page.Create(), std::logic_error);
}

TEST(FieldPageTest, DataExchangeSkipsATextAnEarlierWriteLeft) {
  TestPage page;
  RecordingObserver observer;
  page.SetObserver(&observer);
  page.initialB = "0";  // B's handler copies it to C, where C's own "0" then finds it
  page.Create();
  EXPECT_EQ(observer.writes, (std::vector<std::string>{"2:0", "3:0"}));
}

TEST(FieldPageTest, WritesDeliverNestedBeforeReturning) {
  TestPage page;
  page.Create();
  page.log.clear();
  page.OnFieldEdited(kA, "x");
  EXPECT_EQ(page.log, (std::vector<std::string>{"A(", "B(", "C=x!", ")B", "after B write", ")A"}));
  EXPECT_EQ(page.FieldText(kB), "x!");
}

TEST(FieldPageTest, AnUnchangedTextStillNotifies) {
  TestPage page;
  page.Create();
  page.OnFieldEdited(kA, "x");
  page.log.clear();
  page.SetDlgItemTextA(kC, "x!");
  EXPECT_EQ(page.log, (std::vector<std::string>{"C=x!"}));
}

TEST(FieldPageTest, ObserverHearsWritesNotUserEdits) {
  TestPage page;
  page.Create();
  RecordingObserver observer;
  page.SetObserver(&observer);
  page.OnFieldEdited(kA, "y");
  EXPECT_EQ(observer.writes, (std::vector<std::string>{"2:y!", "3:y!"}));
}

TEST(FieldPageTest, FocusRoutesOnlyToItsHandler) {
  TestPage page;
  page.Create();
  page.log.clear();
  page.OnFieldFocused(kA);
  page.OnFieldFocused(kB);  // no focus handler in the map: nothing runs
  EXPECT_EQ(page.log, (std::vector<std::string>{"focus A"}));
}

TEST(FieldPageTest, BufferReadStopsOneShortOfTheCount) {
  TestPage page;
  page.Create();
  page.SetDlgItemTextA(kC, "abcdef");
  char buffer[4] = {'?', '?', '?', '?'};
  EXPECT_EQ(page.GetDlgItemTextA(kC, buffer, 4), 3);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(page.GetDlgItemTextA(kC, buffer, 1), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(page.GetDlgItemTextA(kC, buffer, 0), 0);
}

}  // namespace
