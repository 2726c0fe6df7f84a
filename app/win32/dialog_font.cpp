// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/dialog_font.h"

#include <algorithm>
#include <vector>

#include "app/win32/wide_text.h"
#include "app/window/language.h"
#include "res/dialog_template.h"

namespace {

// The Japanese faces Windows itself draws its interface with, newest first, then the
// templates' face under its English name.
constexpr std::wstring_view kPreferredFaces[] = {L"Meiryo UI", L"Yu Gothic UI", L"MS UI Gothic",
                                                 L"Meiryo",    L"Yu Gothic",    L"MS PGothic"};

LOGFONTW DialogLogFont(std::wstring_view face, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(kDialogFontPointSize, static_cast<int>(dpi), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return font;
}

// The installed families that `wanted` matches (a name, a character set), proportional ones
// first.
std::vector<std::wstring> Families(HDC dc, LOGFONTW wanted) {
  std::vector<std::pair<bool, std::wstring>> found;  // (fixed pitch, name)
  EnumFontFamiliesExW(
      dc, &wanted,
      [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
        // "@" names the same face turned for vertical writing.
        if (font->lfFaceName[0] != L'@')
          reinterpret_cast<decltype(found)*>(list)->emplace_back(
              (font->lfPitchAndFamily & 3) == FIXED_PITCH, font->lfFaceName);
        return 1;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::wstring> names;
  for (auto& [fixedPitch, name] : found)
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  return names;
}

bool IsInstalled(HDC dc, std::wstring_view face) {
  return !Families(dc, DialogLogFont(face, 96)).empty();
}

std::vector<std::wstring> JapaneseFamilies(HDC dc) {
  LOGFONTW japanese = DialogLogFont({}, 96);
  japanese.lfCharSet = SHIFTJIS_CHARSET;
  return Families(dc, japanese);
}

bool FaceCovers(HDC dc, std::wstring_view face, std::wstring_view text) {
  const LOGFONTW logFont = DialogLogFont(face, 96);
  const HFONT font = CreateFontIndirectW(&logFont);
  const HGDIOBJ old = SelectObject(dc, font);
  const bool covers = FontCovers(dc, text);
  SelectObject(dc, old);
  DeleteObject(font);
  return covers;
}

std::wstring ChooseFace() {
  const std::wstring templateFace = WideFromNarrow(kDialogFontFace);
  const HDC dc = GetDC(nullptr);
  std::wstring chosen = templateFace;
  if (!IsInstalled(dc, templateFace)) {
    // Every text in the source language, so that each language gets the same face.
    std::wstring texts;
    for (std::string_view text : TranslatableTexts()) texts += WideFromNarrow(text);
    std::vector<std::wstring> candidates(std::begin(kPreferredFaces), std::end(kPreferredFaces));
    for (std::wstring& family : JapaneseFamilies(dc)) candidates.push_back(std::move(family));
    for (const std::wstring& face : candidates) {
      if (IsInstalled(dc, face) && FaceCovers(dc, face, texts)) {
        chosen = face;
        break;
      }
    }
  }
  ReleaseDC(nullptr, dc);
  return chosen;
}

}  // namespace

const std::wstring& DialogFontFace() {
  static const std::wstring face = ChooseFace();
  return face;
}

HFONT CreateDialogFont(UINT dpi) {
  const LOGFONTW font = DialogLogFont(DialogFontFace(), dpi);
  return CreateFontIndirectW(&font);
}

bool FontCovers(HDC dc, std::wstring_view text) {
  std::wstring shown;
  std::copy_if(text.begin(), text.end(), std::back_inserter(shown),
               [](wchar_t c) { return c >= L' '; });
  std::vector<WORD> glyphs(shown.size());
  GetGlyphIndicesW(dc, shown.c_str(), static_cast<int>(shown.size()), glyphs.data(),
                   GGI_MARK_NONEXISTING_GLYPHS);
  return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}
