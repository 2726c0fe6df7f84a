// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "pages/radix_angle/radix_angle_page.h"

#include <cmath>
#include <cstddef>

#include "fields/active_field.h"
#include "fields/number_text.h"
#include "pages/radix_angle/reduce_interval.h"
#include "pages/trigonometry.h"
#include "res/resource.h"

namespace {

// The conversion factors are the program's own roundings, not the exact ratios: the texts
// the page shows depend on them.
constexpr double kDegreesToRadians = 0.0174532925194;  // not pi/180
constexpr double kDegreesToGrads = 1.1111111111111;    // not 10/9
constexpr double kRadiansToDegrees = 57.29577951472;   // not 180/pi
constexpr double kGradsToDegrees = 0.9;

constexpr double kDegreeBound = 360;
constexpr double kRadianBound = 6.283185307179586;  // 2 pi as a double
constexpr double kGradBound = 400;
constexpr double kRatioBound = 1;  // sine and cosine

constexpr int kAngleDecimals = 5;  // "%5.5f": degrees, radians, grads
constexpr int kRatioDecimals = 8;  // "%5.8f": sine, cosine, tangent, degrees derived from them

// The angles whose tangent does not exist, as the degree field's text reads them.
bool IsRightAngle(double degrees) {
  return degrees == 90 || degrees == 270 || degrees == -90 || degrees == -270;
}

}  // namespace

const MessageMapEntry<CRadixAnglePage> CRadixAnglePage::messageMap[] = {
    {EN_SETFOCUS, IDC_DEC, &CRadixAnglePage::OnSetfocusDec},
    {EN_SETFOCUS, IDC_HEX, &CRadixAnglePage::OnSetfocusHex},
    {EN_SETFOCUS, IDC_OCT, &CRadixAnglePage::OnSetfocusOct},
    {EN_SETFOCUS, IDC_BIN, &CRadixAnglePage::OnSetfocusBin},
    {EN_SETFOCUS, IDC_DEGREE, &CRadixAnglePage::OnSetfocusDegree},
    {EN_SETFOCUS, IDC_RADIAN, &CRadixAnglePage::OnSetfocusRadian},
    {EN_SETFOCUS, IDC_GRAD, &CRadixAnglePage::OnSetfocusGrad},
    {EN_SETFOCUS, IDC_SIN, &CRadixAnglePage::OnSetfocusSin},
    {EN_SETFOCUS, IDC_TAN, &CRadixAnglePage::OnSetfocusTan},
    {EN_SETFOCUS, IDC_COS, &CRadixAnglePage::OnSetfocusCos},
    {EN_CHANGE, IDC_DEC, &CRadixAnglePage::OnChangeDec},
    {EN_CHANGE, IDC_HEX, &CRadixAnglePage::OnChangeHex},
    {EN_CHANGE, IDC_OCT, &CRadixAnglePage::OnChangeOct},
    {EN_CHANGE, IDC_BIN, &CRadixAnglePage::OnChangeBin},
    {EN_CHANGE, IDC_DEGREE, &CRadixAnglePage::OnChangeDegree},
    {EN_CHANGE, IDC_RADIAN, &CRadixAnglePage::OnChangeRadian},
    {EN_CHANGE, IDC_GRAD, &CRadixAnglePage::OnChangeGrad},
    {EN_CHANGE, IDC_SIN, &CRadixAnglePage::OnChangeSin},
    {EN_CHANGE, IDC_COS, &CRadixAnglePage::OnChangeCos},
    {EN_CHANGE, IDC_TAN, &CRadixAnglePage::OnChangeTan},
};

CRadixAnglePage::CRadixAnglePage() : CFieldPage(kPageRadixAngleTemplate) {}

void CRadixAnglePage::DoDataExchange() {
  DDX_Text(IDC_HEX, m_strHex);
  DDX_Text(IDC_OCT, m_strOct);
  DDX_Text(IDC_DEC, m_strDec);
  DDX_Text(IDC_BIN, m_strBin);
  DDX_Text(IDC_DEGREE, m_strDegree);
  DDX_Text(IDC_GRAD, m_strGrad);
  DDX_Text(IDC_RADIAN, m_strRadian);
  DDX_Text(IDC_COS, m_strCos);
  DDX_Text(IDC_SIN, m_strSin);
  DDX_Text(IDC_TAN, m_strTan);
}

void CRadixAnglePage::OnCommand(std::uint16_t code, int controlId) {
  RouteCommand(*this, messageMap, code, controlId);
}

void CRadixAnglePage::OnSetfocusDec() { g_activeField = AF_DEC; }
void CRadixAnglePage::OnSetfocusHex() { g_activeField = AF_HEX; }
void CRadixAnglePage::OnSetfocusOct() { g_activeField = AF_OCT; }
void CRadixAnglePage::OnSetfocusBin() { g_activeField = AF_BIN; }
void CRadixAnglePage::OnSetfocusDegree() { g_activeField = AF_DEGREE; }
void CRadixAnglePage::OnSetfocusRadian() { g_activeField = AF_RADIAN; }
void CRadixAnglePage::OnSetfocusGrad() { g_activeField = AF_GRAD; }
void CRadixAnglePage::OnSetfocusSin() { g_activeField = AF_SIN; }
void CRadixAnglePage::OnSetfocusTan() { g_activeField = AF_TAN; }
void CRadixAnglePage::OnSetfocusCos() { g_activeField = AF_COS; }

// --- Radix conversion ---

void CRadixAnglePage::OnChangeDec() {
  if (g_activeField != AF_DEC) return;
  ConvertRadix(IDC_DEC, 10, {{IDC_HEX, 16}, {IDC_OCT, 8}, {IDC_BIN, 2}});
}

void CRadixAnglePage::OnChangeHex() {
  if (g_activeField != AF_HEX) return;
  ConvertRadix(IDC_HEX, 16, {{IDC_DEC, 10}, {IDC_OCT, 8}, {IDC_BIN, 2}});
}

void CRadixAnglePage::OnChangeOct() {
  if (g_activeField != AF_OCT) return;
  ConvertRadix(IDC_OCT, 8, {{IDC_BIN, 2}, {IDC_DEC, 10}, {IDC_HEX, 16}});
}

void CRadixAnglePage::OnChangeBin() {
  if (g_activeField != AF_BIN) return;
  ConvertRadix(IDC_BIN, 2, {{IDC_DEC, 10}, {IDC_HEX, 16}, {IDC_OCT, 8}});
}

void CRadixAnglePage::ConvertRadix(int controlId, int base,
                                   std::initializer_list<RadixOutput> outputs) {
  GetDlgItemTextA(controlId, m_strWork);
  std::size_t end = 0;
  m_lValue = ReadLong(m_strWork, base, &end);
  m_pEnd = m_strWork.c_str() + end;
  for (const RadixOutput& output : outputs) {
    m_szBuf = FormatLong(m_lValue, output.radix);
    SetDlgItemTextA(output.controlId, m_szBuf);
  }
}

// --- Angles ---

// The hub: every angle input reaches the radians and grads through here. No gate.
void CRadixAnglePage::OnChangeDegree() {
  if (!ReadReduced(IDC_DEGREE, m_dDegree, kDegreeBound, kAngleDecimals)) return;
  m_dRadian = m_dDegree * kDegreesToRadians;
  m_dGrad = m_dDegree * kDegreesToGrads;
  if (g_activeField != AF_RADIAN) WriteFixed(IDC_RADIAN, m_dRadian, kAngleDecimals);
  if (g_activeField != AF_GRAD) WriteFixed(IDC_GRAD, m_dGrad, kAngleDecimals);
}

// Reads the radians only while the user types them; writes the trigonometric fields on every
// change, from the radians as they stand after the nested degree handler.
void CRadixAnglePage::OnChangeRadian() {
  if (g_activeField == AF_RADIAN) {
    if (!ReadReduced(IDC_RADIAN, m_dRadian, kRadianBound, kAngleDecimals)) return;
    m_dDegree = m_dRadian * kRadiansToDegrees;
    WriteFixed(IDC_DEGREE, m_dDegree, kAngleDecimals);
  }
  if (g_activeField != AF_SIN) WriteFixed(IDC_SIN, trig::sin(m_dRadian), kRatioDecimals);
  if (g_activeField != AF_COS) WriteFixed(IDC_COS, trig::cos(m_dRadian), kRatioDecimals);
  if (g_activeField == AF_TAN) return;
  if (IsRightAngle(m_dDegree))
    SetDlgItemTextA(IDC_TAN, kNoValue);
  else
    WriteFixed(IDC_TAN, trig::tan(m_dRadian), kRatioDecimals);
}

void CRadixAnglePage::OnChangeGrad() {
  if (g_activeField != AF_GRAD) return;
  if (!ReadReduced(IDC_GRAD, m_dGrad, kGradBound, kAngleDecimals)) return;
  m_dDegree = m_dGrad * kGradsToDegrees;
  WriteFixed(IDC_DEGREE, m_dDegree, kAngleDecimals);
}

void CRadixAnglePage::OnChangeSin() {
  if (g_activeField != AF_SIN) return;
  ConvertRatio(IDC_SIN, m_dSin, trig::asin);
}

void CRadixAnglePage::OnChangeCos() {
  if (g_activeField != AF_COS) return;
  ConvertRatio(IDC_COS, m_dCos, trig::acos);
}

void CRadixAnglePage::OnChangeTan() {
  if (g_activeField != AF_TAN) return;
  // No reduction: an infinite tangent is the right angle itself.
  m_dTan = ReadField(IDC_TAN);
  m_dRadian = trig::atan(m_dTan);
  m_dDegree = m_dRadian * kRadiansToDegrees;
  WriteFixed(IDC_DEGREE, m_dDegree, kRatioDecimals);
}

void CRadixAnglePage::ConvertRatio(int controlId, double& ratio, double (*arc)(double)) {
  if (!ReadReduced(controlId, ratio, kRatioBound, kRatioDecimals)) return;
  m_dRadian = arc(ratio);
  m_dDegree = m_dRadian * kRadiansToDegrees;
  WriteFixed(IDC_DEGREE, m_dDegree, kRatioDecimals);
}

bool CRadixAnglePage::ReadReduced(int controlId, double& value, double bound, int decimals) {
  value = ReadField(controlId);
  if (std::isinf(value)) {
    ShowNoAngle(controlId);
    return false;
  }
  if (value < -bound || value > bound) {
    value = ReduceInterval(value, bound);
    WriteFixed(controlId, value, decimals);  // runs this field's handler once more, nested
  }
  return true;
}

double CRadixAnglePage::ReadField(int controlId) {
  GetDlgItemTextA(controlId, m_strWork);
  std::size_t end = 0;
  const double value = ReadDouble(m_strWork, &end);
  m_pEnd = m_strWork.c_str() + end;
  return value;
}

void CRadixAnglePage::WriteFixed(int controlId, double value, int decimals) {
  m_szBuf = FormatFixed(value, decimals);
  SetDlgItemTextA(controlId, m_szBuf);
}

void CRadixAnglePage::ShowNoAngle(int typedControlId) {
  // The degree and radian handlers act on every write and rewrite the fields after them, so
  // the hub fields go first and the later writes stand.
  for (int controlId : {IDC_DEGREE, IDC_RADIAN, IDC_GRAD, IDC_SIN, IDC_COS, IDC_TAN})
    if (controlId != typedControlId) SetDlgItemTextA(controlId, kNoValue);
}
