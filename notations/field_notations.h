// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The "Copy as" and "Paste as" menus of an edit field, as data: which notations a field
// offers, the field's value written in each, and a text read back into what the field is to
// receive. Every front end shows these menus from here and decides nothing about them.
//
// Fields go by control identifier (IDC_*; ControlIdOf gives it for an active-field code).
// The four integer fields offer the integer notations of integer_notations.h, the degree
// field degrees-minutes-seconds, the bearing also the quadrant bearing, the elevation also
// the slope in percent, and every other field a grouped or full-width decimal to paste.
// Labels and messages are source texts (Japanese, like the dialogs' texts): a front end shows
// Translate(language, text) of app/window/language.h.
//
// A paste's result is the text to put into the field as a paste puts it (the whole text at
// once), so that the page's cascade runs on it as on any paste. The value is the field's own
// text read by the field's own rule, so an entry shows what the field means now. Nothing here
// writes a field, touches a clipboard or changes how a plain paste or typing reads.
//
// Example: the hexadecimal field holds "ff". Its "Copy as" entries start "hex" "0xff", and its
// colour entry is "#0000ff". "Paste as" #RRGGBB of "#FF8800" gives the field text "ff8800",
// and "Paste as" hexadecimal of "80000000" gives "-80000000", which the field reads as the
// 32-bit pattern 0x80000000 that it would otherwise clamp.
#ifndef MENSORATOR_NOTATIONS_FIELD_NOTATIONS_H
#define MENSORATOR_NOTATIONS_FIELD_NOTATIONS_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Notation {
  Hex,              // "0xff"
  Decimal,          // signed or unsigned decimal of an integer field; a decimal of the others
  Oct,              // "0o377"
  Bin,              // "0b11111111"
  Binary32,         // "0000 0000 … 1111 1111"
  Unsigned,         // "4294967295"
  Color,            // "#0000ff"
  FileMode,         // "rwxr-xr-x"
  AllBases,         // hexadecimal, decimal, octal and binary, one per line
  Dms,              // "36°52′11.6″"
  QuadrantBearing,  // "N36°52′12″E"
  SlopePercent,     // "57.735%"
};

struct NotationInfo {
  Notation notation;
  std::string_view name;   // in scripts: "hex", "dms"
  std::string_view label;  // the menu entry's source text
};

// Every notation, in menu order.
const std::vector<NotationInfo>& AllNotations();
const NotationInfo& InfoOf(Notation notation);
std::optional<Notation> FindNotation(std::string_view name);

// One entry of a field's "Copy as" menu.
struct CopyAsEntry {
  NotationInfo info;
  // The field's value in this notation; nothing where the value has none (a colour beyond
  // 0xffffff, a file mode beyond 7777, an angle that is not finite): show the entry disabled,
  // or with kNoTextForValue.
  std::optional<std::string> text;
};

// The "Copy as" menu of field `controlId` holding `fieldText`; empty for a field with none.
std::vector<CopyAsEntry> CopyAsEntries(int controlId, std::string_view fieldText);

// The "Paste as" menu of field `controlId`, in menu order; empty for an unknown field.
std::vector<NotationInfo> PasteAsEntries(int controlId);

struct PasteAsResult {
  // The text to paste into the field; nothing where the clipboard holds nothing in the
  // notation, and then the field is to stay as it is.
  std::optional<std::string> fieldText;
  std::string_view message;  // without a field text: what to tell the user (source text)
};

// Reads `clipboard` in `notation` for field `controlId`. A notation the field does not offer
// reads nothing.
PasteAsResult PasteAs(int controlId, Notation notation, std::string_view clipboard);

// Messages, as source texts.
inline constexpr std::string_view kNothingInNotation =
    "クリップボードにはこの表記の値がありません。何も変えていません。";
inline constexpr std::string_view kBeyond32Bits =
    "32ビットに収まらない数です。何も変えていません。";
inline constexpr std::string_view kNoTextForValue = "この値はこの表記では書けません。";

// The control identifier of an active-field code (AF_HEX gives IDC_HEX), or 0.
int ControlIdOf(int activeFieldCode);

// Every title, label and message above, each once: the texts a translation must cover.
std::vector<std::string_view> NotationTexts();

#endif
