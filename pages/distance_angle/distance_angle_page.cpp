// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "pages/distance_angle/distance_angle_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "fields/active_field.h"
#include "fields/number_text.h"
#include "pages/distance_angle/narrow_to_float.h"
#include "pages/trigonometry.h"
#include "res/resource.h"

namespace {

// The program's own single-precision roundings, not the exact ratios: the texts the page
// shows depend on them (a segment along -Y has bearing 179.999985, not 180).
constexpr float kRadiansToDegrees = 57.295773f;    // 57.295772552490234, not 180/pi
constexpr float kDegreesToRadians = 0.017453294f;  // 0.01745329424738884, not pi/180
// Below this a distance is too short, and a difference of the two distances too small, for
// an elevation: it shows 0.
constexpr float kElevationThreshold = 0.01f;

constexpr int kFieldBufferSize = 1024;
constexpr int kDecimals = 6;  // "%f"

double Radians(double degrees) { return degrees * kDegreesToRadians; }

}  // namespace

const MessageMapEntry<CDistanceAnglePage> CDistanceAnglePage::messageMap[] = {
    {EN_SETFOCUS, IDC_XY_ANGLE, &CDistanceAnglePage::OnSetfocusXYAngle},
    {EN_SETFOCUS, IDC_ELEVATION, &CDistanceAnglePage::OnSetfocusElevation},
    {EN_SETFOCUS, IDC_DISTANCE, &CDistanceAnglePage::OnSetfocusDistance},
    {EN_SETFOCUS, IDC_XY_DISTANCE, &CDistanceAnglePage::OnSetfocusXYDistance},
    {EN_SETFOCUS, IDC_START_X, &CDistanceAnglePage::OnSetfocusStartX},
    {EN_SETFOCUS, IDC_START_Y, &CDistanceAnglePage::OnSetfocusStartY},
    {EN_SETFOCUS, IDC_START_Z, &CDistanceAnglePage::OnSetfocusStartZ},
    {EN_SETFOCUS, IDC_END_X, &CDistanceAnglePage::OnSetfocusEndX},
    {EN_SETFOCUS, IDC_END_Y, &CDistanceAnglePage::OnSetfocusEndY},
    {EN_SETFOCUS, IDC_END_Z, &CDistanceAnglePage::OnSetfocusEndZ},
    {EN_CHANGE, IDC_XY_ANGLE, &CDistanceAnglePage::OnChangeXYAngle},
    {EN_CHANGE, IDC_ELEVATION, &CDistanceAnglePage::OnChangeElevation},
    {EN_CHANGE, IDC_DISTANCE, &CDistanceAnglePage::OnChangeDistance},
    {EN_CHANGE, IDC_XY_DISTANCE, &CDistanceAnglePage::OnChangeXYDistance},
    {EN_CHANGE, IDC_START_X, &CDistanceAnglePage::OnChangeStartX},
    {EN_CHANGE, IDC_START_Y, &CDistanceAnglePage::OnChangeStartY},
    {EN_CHANGE, IDC_START_Z, &CDistanceAnglePage::OnChangeStartZ},
    {EN_CHANGE, IDC_END_X, &CDistanceAnglePage::OnChangeEndX},
    {EN_CHANGE, IDC_END_Y, &CDistanceAnglePage::OnChangeEndY},
    {EN_CHANGE, IDC_END_Z, &CDistanceAnglePage::OnChangeEndZ},
};

CDistanceAnglePage::CDistanceAnglePage() : CFieldPage(kPageDistanceAngleTemplate) {}

void CDistanceAnglePage::DoDataExchange() {
  DDX_Text(IDC_XY_ANGLE, m_fXYAngle);
  DDX_Text(IDC_ELEVATION, m_fElevation);
  DDX_Text(IDC_DISTANCE, m_fDistance);
  DDX_Text(IDC_XY_DISTANCE, m_fXYDistance);
  DDX_Text(IDC_START_X, m_fStartX);
  DDX_Text(IDC_START_Y, m_fStartY);
  DDX_Text(IDC_START_Z, m_fStartZ);
  DDX_Text(IDC_END_X, m_fEndX);
  DDX_Text(IDC_END_Y, m_fEndY);
  DDX_Text(IDC_END_Z, m_fEndZ);
}

void CDistanceAnglePage::OnCommand(std::uint16_t code, int controlId) {
  RouteCommand(*this, messageMap, code, controlId);
}

void CDistanceAnglePage::OnSetfocusXYAngle() { g_activeField = AF_XY_ANGLE; }
void CDistanceAnglePage::OnSetfocusElevation() { g_activeField = AF_ELEVATION; }
void CDistanceAnglePage::OnSetfocusDistance() { g_activeField = AF_DISTANCE; }
void CDistanceAnglePage::OnSetfocusXYDistance() { g_activeField = AF_XY_DISTANCE; }
void CDistanceAnglePage::OnSetfocusStartX() { g_activeField = AF_START_X; }
void CDistanceAnglePage::OnSetfocusStartY() { g_activeField = AF_START_Y; }
void CDistanceAnglePage::OnSetfocusStartZ() { g_activeField = AF_START_Z; }
void CDistanceAnglePage::OnSetfocusEndX() { g_activeField = AF_END_X; }
void CDistanceAnglePage::OnSetfocusEndY() { g_activeField = AF_END_Y; }
void CDistanceAnglePage::OnSetfocusEndZ() { g_activeField = AF_END_Z; }

// --- Measures from the points ---

void CDistanceAnglePage::OnChangeStartX() {
  if (g_activeField == AF_START_X) Recalculate();
}

void CDistanceAnglePage::OnChangeStartY() {
  if (g_activeField == AF_START_Y) Recalculate();
}

void CDistanceAnglePage::OnChangeStartZ() {
  if (g_activeField == AF_START_Z) Recalculate();
}

void CDistanceAnglePage::OnChangeEndX() {
  if (g_activeField == AF_END_X) Recalculate();
}

void CDistanceAnglePage::OnChangeEndY() {
  if (g_activeField == AF_END_Y) Recalculate();
}

void CDistanceAnglePage::OnChangeEndZ() {
  if (g_activeField == AF_END_Z) Recalculate();
}

void CDistanceAnglePage::Recalculate() {
  m_fStartX = NarrowToFloat(ReadField(IDC_START_X));
  m_fStartY = NarrowToFloat(ReadField(IDC_START_Y));
  m_fStartZ = NarrowToFloat(ReadField(IDC_START_Z));
  m_fEndX = NarrowToFloat(ReadField(IDC_END_X));
  m_fEndY = NarrowToFloat(ReadField(IDC_END_Y));
  // End Z enters the height difference at the precision it was read.
  const double endZ = ReadField(IDC_END_Z);
  m_fEndZ = NarrowToFloat(endZ);

  // Adding +0 turns a difference of -0 (from a text "-0") into +0, so that a zero difference
  // never turns the bearing by half a circle in atan2.
  const double dx = (static_cast<double>(m_fEndX) - m_fStartX) + 0.0;
  const double dy = (static_cast<double>(m_fEndY) - m_fStartY) + 0.0;
  const double dz = endZ - m_fStartZ;

  // The distances are shown as computed, the angles as stored.
  if (g_activeField != AF_DISTANCE) {
    const double distance = std::sqrt((dz * dz + dx * dx) + dy * dy);
    m_fDistance = NarrowToFloat(distance);
    WriteFixed(IDC_DISTANCE, distance);
  }
  if (g_activeField != AF_XY_DISTANCE) {
    const double xyDistance = std::sqrt(dx * dx + dy * dy);
    m_fXYDistance = NarrowToFloat(xyDistance);
    WriteFixed(IDC_XY_DISTANCE, xyDistance);
  }
  if (g_activeField != AF_XY_ANGLE) {
    double bearing = trig::atan2(dx, dy) * kRadiansToDegrees;
    if (bearing < 0) bearing += 360;
    m_fXYAngle = NarrowToFloat(bearing);
    WriteFixed(IDC_XY_ANGLE, m_fXYAngle);
  }
  if (g_activeField == AF_ELEVATION) return;
  m_fElevation = NarrowToFloat(Elevation());
  WriteFixed(IDC_ELEVATION, m_fElevation);
}

double CDistanceAnglePage::Elevation() const {
  const double distance = m_fDistance;
  const double xyDistance = m_fXYDistance;
  if (!(distance > kElevationThreshold && std::fabs(xyDistance - distance) >= kElevationThreshold))
    return 0;
  // The end point's rounding to six decimals, or a typed negative XY distance, can carry the
  // ratio past 1 or -1, where the arc cosine has no value.
  const double ratio = std::clamp(xyDistance / distance, -1.0, 1.0);
  const double elevation = trig::acos(ratio) * kRadiansToDegrees;
  return m_fEndZ < m_fStartZ ? -elevation : elevation;
}

// --- End point from a typed measure ---

void CDistanceAnglePage::OnChangeXYAngle() {
  if (g_activeField != AF_XY_ANGLE) return;
  const double bearing = ReadField(IDC_XY_ANGLE);
  MoveEndPoint(m_fXYAngle, bearing, EndPointAtBearing(bearing, m_fXYDistance, std::nullopt));
}

void CDistanceAnglePage::OnChangeElevation() {
  if (g_activeField != AF_ELEVATION) return;
  const double elevation = ReadField(IDC_ELEVATION);
  MoveEndPoint(m_fElevation, elevation, EndPointAtSlope(elevation, m_fDistance));
}

void CDistanceAnglePage::OnChangeDistance() {
  if (g_activeField != AF_DISTANCE) return;
  const double distance = ReadField(IDC_DISTANCE);
  MoveEndPoint(m_fDistance, distance, EndPointAtSlope(m_fElevation, distance));
}

void CDistanceAnglePage::OnChangeXYDistance() {
  if (g_activeField != AF_XY_DISTANCE) return;
  const double xyDistance = ReadField(IDC_XY_DISTANCE);
  MoveEndPoint(m_fXYDistance, xyDistance, EndPointAtBearing(m_fXYAngle, xyDistance, std::nullopt));
}

CDistanceAnglePage::EndPoint CDistanceAnglePage::EndPointAtBearing(double bearing, double run,
                                                                   std::optional<float> z) const {
  const double angle = Radians(bearing);
  return {NarrowToFloat(trig::sin(angle) * run + m_fStartX),
          NarrowToFloat(trig::cos(angle) * run + m_fStartY), z};
}

CDistanceAnglePage::EndPoint CDistanceAnglePage::EndPointAtSlope(double elevation,
                                                                 double distance) const {
  const double angle = Radians(elevation);
  // The rise is narrowed before the start point's height is added; the run is not.
  const float rise = NarrowToFloat(trig::sin(angle) * distance);
  const double run = trig::cos(angle) * distance;
  return EndPointAtBearing(m_fXYAngle, run, NarrowToFloat(static_cast<double>(rise) + m_fStartZ));
}

void CDistanceAnglePage::MoveEndPoint(float& member, double typed, const EndPoint& end) {
  const float measure = NarrowToFloat(typed);
  if (!std::isfinite(measure) || !std::isfinite(end.x) || !std::isfinite(end.y) ||
      (end.z && !std::isfinite(*end.z)))
    return;
  member = measure;
  m_fEndX = end.x;
  m_fEndY = end.y;
  if (end.z) m_fEndZ = *end.z;
  // The coordinate handlers are gated while a measure is typed; Recalculate reads the end
  // point back from these texts, rounded to six decimals.
  WriteFixed(IDC_END_X, m_fEndX);
  WriteFixed(IDC_END_Y, m_fEndY);
  if (end.z) WriteFixed(IDC_END_Z, m_fEndZ);
  Recalculate();
}

double CDistanceAnglePage::ReadField(int controlId) const {
  std::array<char, kFieldBufferSize> buffer;
  const int count = GetDlgItemTextA(controlId, buffer.data(), kFieldBufferSize);
  return ReadDouble(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
}

void CDistanceAnglePage::WriteFixed(int controlId, double value) {
  SetDlgItemTextA(controlId, FormatFixed(value, kDecimals));
}
