// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The window model as the web page reads it: members by name, texts escaped and translated.
#include "app/window/view_json.h"

#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"

namespace {

std::string JapaneseView() {
  ConverterPages pages;
  return ViewJson(DescribeWindow(pages, "ja", DialogUnits::Measured(364, 13),
                                 [](std::string_view, ControlKind) { return 0; }));
}

std::string ReactionToEscapeInAPage() {
  WindowBehaviour behaviour(2);
  return ReactionJson(behaviour.OnCommand(WindowCommand::Cancel, true), behaviour);
}

std::string HexFieldMenusInEnglish() { return FieldMenusJson("en", IDC_HEX, "1000000"); }

// A field with no "Copy as" entry, whose "Paste as" menu follows its empty one.
std::string RadianFieldMenus() { return FieldMenusJson("ja", IDC_RADIAN, "1"); }

std::string PasteAsNothingInEnglish() {
  return PasteAsJson("en", PasteAs(IDC_HEX, Notation::Color, "red"));
}

struct JsonRow {
  const char* name;
  std::string (*json)();
  const char* part;  // a piece the JSON must contain
};

const JsonRow kJsonRows[] = {
    {"TabTexts", JapaneseView, R"("tabs":["基数変換・角度単位関連","距離・角度"])"},
    {"WindowSize", JapaneseView, R"("main":{"caption":"Mensorator","width":375,"height":284)"},
    {"FieldNamedByTwoLabels", JapaneseView, R"("objectName":"IDC_START_X","nameLabels":[0,1])"},
    {"LineBreakEscaped", JapaneseView, R"("text":"Copyright (C) 2004 Mensorator\u000a2004/08/29")"},
    {"EscapeHidesThePage", ReactionToEscapeInAPage,
     R"({"pagesChanged":true,"selected":0,"visible":[false,false],"focus":"tabStrip",)"},
    {"CopyAsEntryWithItsValue", HexFieldMenusInEnglish,
     R"({"notation":"hex","label":"Hexadecimal 0x…","text":"0x1000000"})"},
    {"CopyAsEntryWithoutText", HexFieldMenusInEnglish,
     R"({"notation":"color","label":"Colour #RRGGBB","text":null})"},
    {"SubmenuTitles", HexFieldMenusInEnglish, R"("pasteAs":{"title":"Pa&ste as","entries":[)"},
    {"EmptyCopyAsThenPasteAs", RadianFieldMenus,
     R"j("entries":[]},"pasteAs":{"title":"表記を選んで貼り付け(&S)","entries":[{"notation":"dec")j"},
    {"PasteAsMessage", PasteAsNothingInEnglish,
     R"({"message":"The clipboard holds no value in this notation. Nothing was changed."})"},
};

class ViewJsonTest : public testing::TestWithParam<JsonRow> {};

TEST_P(ViewJsonTest, Contains) {
  const std::string json = GetParam().json();
  EXPECT_NE(json.find(GetParam().part), std::string::npos) << json;
}

INSTANTIATE_TEST_SUITE_P(Members, ViewJsonTest, testing::ValuesIn(kJsonRows),
                         [](const testing::TestParamInfo<JsonRow>& info) {
                           return info.param.name;
                         });

}  // namespace
