// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The distance and angle page: a start point and an end point in three dimensions and four
// measures of the segment between them (distance, XY distance, XY bearing, elevation).
//
// Editing a coordinate recomputes the measures; typing a measure moves the end point so that
// the measure holds, then recomputes the others. Values are kept in single precision and
// computed in double precision. A typed measure that would move the end point to a place no
// float can hold changes nothing. The page neither draws nor knows about widgets.
#ifndef MENSORATOR_PAGES_DISTANCE_ANGLE_PAGE_H
#define MENSORATOR_PAGES_DISTANCE_ANGLE_PAGE_H

#include <cstdint>
#include <optional>

#include "fields/field_page.h"

class CDistanceAnglePage : public CFieldPage {
 public:
  CDistanceAnglePage();

 protected:
  void DoDataExchange() override;
  void OnCommand(std::uint16_t code, int controlId) override;

 private:
  void OnSetfocusXYAngle();
  void OnSetfocusElevation();
  void OnSetfocusDistance();
  void OnSetfocusXYDistance();
  void OnSetfocusStartX();
  void OnSetfocusStartY();
  void OnSetfocusStartZ();
  void OnSetfocusEndX();
  void OnSetfocusEndY();
  void OnSetfocusEndZ();

  void OnChangeXYAngle();
  void OnChangeElevation();
  void OnChangeDistance();
  void OnChangeXYDistance();
  void OnChangeStartX();
  void OnChangeStartY();
  void OnChangeStartZ();
  void OnChangeEndX();
  void OnChangeEndY();
  void OnChangeEndZ();

  // Derives the four measures from the six coordinate fields and shows them, except the one
  // the user is typing.
  void Recalculate();

  // Where a typed measure moves the end point, narrowed; no `z` where it keeps its height.
  struct EndPoint {
    float x;
    float y;
    std::optional<float> z;
  };
  // `run` from the start point along `bearing` (degrees) in the XY plane, at height `z`.
  EndPoint EndPointAtBearing(double bearing, double run, std::optional<float> z) const;
  // `distance` from the start point along the stored bearing and `elevation` (degrees).
  EndPoint EndPointAtSlope(double elevation, double distance) const;
  // Stores the typed measure in `member` and the end point, writes the end point and
  // recalculates; when the measure or a coordinate would not be finite, changes nothing.
  void MoveEndPoint(float& member, double typed, const EndPoint& end);
  // The elevation the stored distances give, in degrees.
  double Elevation() const;
  // Reads a field through a 1024-character buffer: at most 1023 characters count.
  double ReadField(int controlId) const;
  void WriteFixed(int controlId, double value);

  static const MessageMapEntry<CDistanceAnglePage> messageMap[];

  float m_fXYAngle = 0;    // degrees from +Y towards +X
  float m_fElevation = 0;  // degrees, negative when the end point lies lower
  float m_fDistance = 0;
  float m_fXYDistance = 0;
  float m_fStartX = 0;
  float m_fStartY = 0;
  float m_fStartZ = 0;
  float m_fEndX = 0;
  float m_fEndY = 0;
  float m_fEndZ = 0;
};

#endif
