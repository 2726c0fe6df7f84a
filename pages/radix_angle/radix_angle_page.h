// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The number and angle page: an integer in hexadecimal, decimal, octal and binary, and an
// angle in degrees, radians and grads with its sine, cosine and tangent.
//
// Typing into any field rewrites the others of its group through nested change
// notifications. Every angle input goes through the degree field, whose handler has no gate
// and derives the radians and grads; the radian handler writes the trigonometric fields.
// The page keeps the values last read; it neither draws nor knows about widgets.
#ifndef MENSORATOR_PAGES_RADIX_ANGLE_PAGE_H
#define MENSORATOR_PAGES_RADIX_ANGLE_PAGE_H

#include <cstdint>
#include <initializer_list>
#include <string>

#include "fields/field_page.h"

class CRadixAnglePage : public CFieldPage {
 public:
  CRadixAnglePage();

 protected:
  void DoDataExchange() override;
  void OnCommand(std::uint16_t code, int controlId) override;

 private:
  void OnSetfocusDec();
  void OnSetfocusHex();
  void OnSetfocusOct();
  void OnSetfocusBin();
  void OnSetfocusDegree();
  void OnSetfocusRadian();
  void OnSetfocusGrad();
  void OnSetfocusSin();
  void OnSetfocusTan();
  void OnSetfocusCos();

  void OnChangeDec();
  void OnChangeHex();
  void OnChangeOct();
  void OnChangeBin();
  void OnChangeDegree();
  void OnChangeRadian();
  void OnChangeGrad();
  void OnChangeSin();
  void OnChangeCos();
  void OnChangeTan();

  struct RadixOutput {
    int controlId;
    int radix;
  };
  // Reads `controlId` in `base` into m_lValue and writes it to each output, in order.
  void ConvertRadix(int controlId, int base, std::initializer_list<RadixOutput> outputs);
  // The sine and cosine handlers: the angle whose ratio the field holds goes to the degrees.
  void ConvertRatio(int controlId, double& ratio, double (*arc)(double));
  // Reads the typed angle field into `value`; outside [-bound, bound] reduces it and writes it
  // back, which runs the field's handler once more, nested. A text that reads as infinite has
  // no angle: shows "No Value" in the other angle fields and returns false.
  bool ReadReduced(int controlId, double& value, double bound, int decimals);
  // Reads a floating field through m_strWork.
  double ReadField(int controlId);
  void WriteFixed(int controlId, double value, int decimals);
  void ShowNoAngle(int typedControlId);

  static const MessageMapEntry<CRadixAnglePage> messageMap[];

  std::string m_strWork;      // the text of the field a handler reads
  std::int32_t m_lValue = 0;  // the integer last read by a radix handler
  double m_dDegree = 0;
  double m_dRadian = 0;
  double m_dGrad = 0;
  double m_dSin = 0;             // the sine as entered
  double m_dCos = 0;             // the cosine as entered
  double m_dTan = 0;             // the tangent as entered; written, never read
  std::string m_szBuf;           // the text a handler is about to write
  const char* m_pEnd = nullptr;  // where the last reading stopped; written, never used

  // Initial texts of the ten fields, written by the data exchange.
  std::string m_strHex = "0", m_strOct = "0", m_strDec = "0", m_strBin = "0";
  std::string m_strDegree = "0", m_strGrad = "0", m_strRadian = "0";
  std::string m_strCos = "1", m_strSin = "0", m_strTan = "0";
};

#endif
