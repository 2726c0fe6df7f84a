// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "notations/field_notations.h"

#include <algorithm>
#include <span>

#include "fields/active_field.h"
#include "fields/number_text.h"
#include "notations/angle_notations.h"
#include "notations/integer_notations.h"

namespace {

using enum Notation;

// What a field holds, which decides the notations it offers.
enum class FieldKind { Integer, Degree, Bearing, Elevation, Other };

constexpr Notation kIntegerCopy[] = {Hex, Oct, Bin, Binary32, Unsigned, Color, FileMode, AllBases};
constexpr Notation kIntegerPaste[] = {Hex, Decimal, Oct, Bin, Color, FileMode, AllBases};
constexpr Notation kDegree[] = {Dms};
constexpr Notation kBearing[] = {Dms, QuadrantBearing};
constexpr Notation kElevation[] = {Dms, SlopePercent};
constexpr Notation kDecimal[] = {Decimal};

struct FieldMenus {
  FieldKind kind;
  std::span<const Notation> copyAs;
  std::span<const Notation> pasteAs;
};

constexpr FieldMenus kMenus[] = {
    {FieldKind::Integer, kIntegerCopy, kIntegerPaste},
    {FieldKind::Degree, kDegree, kDegree},
    {FieldKind::Bearing, kBearing, kBearing},
    {FieldKind::Elevation, kElevation, kElevation},
    {FieldKind::Other, {}, kDecimal},
};

// The base an integer field reads and writes in; 0 for every other field.
int BaseOf(int controlId) {
  switch (controlId) {
    case IDC_HEX:
      return 16;
    case IDC_DEC:
      return 10;
    case IDC_OCT:
      return 8;
    case IDC_BIN:
      return 2;
    default:
      return 0;
  }
}

std::optional<FieldKind> KindOf(int controlId) {
  if (BaseOf(controlId) != 0) return FieldKind::Integer;
  if (controlId == IDC_DEGREE) return FieldKind::Degree;
  if (controlId == IDC_XY_ANGLE) return FieldKind::Bearing;
  if (controlId == IDC_ELEVATION) return FieldKind::Elevation;
  const bool known =
      std::any_of(std::begin(kActiveFields), std::end(kActiveFields),
                  [&](const ActiveFieldInfo& f) { return f.controlId == controlId; });
  if (known) return FieldKind::Other;
  return std::nullopt;
}

const FieldMenus* MenusOf(int controlId) {
  const auto kind = KindOf(controlId);
  if (!kind) return nullptr;
  return &*std::find_if(std::begin(kMenus), std::end(kMenus),
                        [&](const FieldMenus& m) { return m.kind == *kind; });
}

// A notation's writer and reader: of the integer fields' value, or of an angle in degrees.
// Where a side is missing, no field offers it.
struct Codec {
  NotationInfo info;
  std::optional<std::string> (*writeInteger)(std::int32_t) = nullptr;
  std::optional<std::int64_t> (*readInteger)(std::string_view) = nullptr;
  std::optional<std::string> (*writeAngle)(double) = nullptr;
  std::optional<double> (*readAngle)(std::string_view) = nullptr;
};

template <int base>
std::optional<std::string> WriteInBase(std::int32_t value) {
  return WritePrefixed(value, base);
}
template <int base>
std::optional<std::int64_t> ReadBase(std::string_view text) {
  return ReadInBase(text, base);
}
std::optional<std::string> Always(std::string text) { return text; }

// Every notation, in menu order.
const Codec kCodecs[] = {
    {{Hex, "hex", "１６進数 0x…"}, WriteInBase<16>, ReadBase<16>},
    // The other fields read a decimal as ReadGroupedDecimal gives it, kept as it is written.
    {{Decimal, "dec", "１０進数"}, nullptr, ReadBase<10>},
    {{Oct, "oct", "８進数 0o…"}, WriteInBase<8>, ReadBase<8>},
    {{Bin, "bin", "２進数 0b…"}, WriteInBase<2>, ReadBase<2>},
    {{Binary32, "bin32", "２進数 32ビット、4桁区切り"},
     [](std::int32_t v) { return Always(WriteBinary32(v)); }},
    {{Unsigned, "unsigned", "符号なし32ビット整数"},
     [](std::int32_t v) { return Always(WriteUnsigned(v)); }},
    {{Color, "color", "色 #RRGGBB"}, WriteColor, ReadColor},
    {{FileMode, "mode", "ファイルのモード rwxr-xr-x"}, WriteFileMode, ReadFileMode},
    {{AllBases, "bases", "４つの基数すべて"},
     [](std::int32_t v) { return Always(WriteAllBases(v)); },
     ReadAllBases},
    {{Dms, "dms", "度分秒 36°52′11.6″"}, nullptr, nullptr, WriteDms, ReadDms},
    {{QuadrantBearing, "quadrant", "象限方位 N36°52′E"},
     nullptr,
     nullptr,
     WriteQuadrantBearing,
     ReadQuadrantBearing},
    {{SlopePercent, "slope", "勾配 %"}, nullptr, nullptr, WriteSlopePercent, ReadSlopePercent},
};

const Codec& CodecOf(Notation notation) {
  return *std::find_if(std::begin(kCodecs), std::end(kCodecs),
                       [&](const Codec& c) { return c.info.notation == notation; });
}

PasteAsResult Refused(std::string_view message) { return {std::nullopt, message}; }

}  // namespace

const std::vector<NotationInfo>& AllNotations() {
  static const std::vector<NotationInfo> notations = [] {
    std::vector<NotationInfo> infos;
    for (const Codec& codec : kCodecs) infos.push_back(codec.info);
    return infos;
  }();
  return notations;
}

const NotationInfo& InfoOf(Notation notation) { return CodecOf(notation).info; }

std::optional<Notation> FindNotation(std::string_view name) {
  const auto& all = AllNotations();
  const auto found =
      std::find_if(all.begin(), all.end(), [&](const NotationInfo& n) { return n.name == name; });
  if (found == all.end()) return std::nullopt;
  return found->notation;
}

std::vector<CopyAsEntry> CopyAsEntries(int controlId, std::string_view fieldText) {
  std::vector<CopyAsEntry> entries;
  const FieldMenus* menus = MenusOf(controlId);
  if (menus == nullptr) return entries;
  const int base = BaseOf(controlId);
  for (Notation notation : menus->copyAs) {
    const Codec& codec = CodecOf(notation);
    entries.push_back({codec.info, base != 0 ? codec.writeInteger(ReadLong(fieldText, base))
                                             : codec.writeAngle(ReadDouble(fieldText))});
  }
  return entries;
}

std::vector<NotationInfo> PasteAsEntries(int controlId) {
  std::vector<NotationInfo> entries;
  if (const FieldMenus* menus = MenusOf(controlId))
    for (Notation notation : menus->pasteAs) entries.push_back(InfoOf(notation));
  return entries;
}

PasteAsResult PasteAs(int controlId, Notation notation, std::string_view clipboard) {
  const FieldMenus* menus = MenusOf(controlId);
  if (menus == nullptr ||
      std::find(menus->pasteAs.begin(), menus->pasteAs.end(), notation) == menus->pasteAs.end())
    return Refused(kNothingInNotation);
  if (const int base = BaseOf(controlId)) {
    const auto read = CodecOf(notation).readInteger(clipboard);
    if (!read) return Refused(kNothingInNotation);
    const auto value = ToInt32(*read);
    if (!value) return Refused(kBeyond32Bits);
    return {FieldTextOf(*value, base), {}};
  }
  if (notation == Decimal) {
    auto text = ReadGroupedDecimal(clipboard);
    if (!text) return Refused(kNothingInNotation);
    return {std::move(text), {}};
  }
  const auto degrees = CodecOf(notation).readAngle(clipboard);
  if (!degrees) return Refused(kNothingInNotation);
  return {DegreesText(*degrees), {}};
}

int ControlIdOf(int activeFieldCode) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (field.code == activeFieldCode) return field.controlId;
  return 0;
}

std::vector<std::string_view> NotationTexts() {
  std::vector<std::string_view> texts;
  for (const NotationInfo& info : AllNotations()) texts.push_back(info.label);
  texts.insert(texts.end(), {kNothingInNotation, kBeyond32Bits, kNoTextForValue});
  return texts;
}
