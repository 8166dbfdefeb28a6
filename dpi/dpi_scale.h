// A length given for a 96-dpi screen, scaled to another DPI. Pure arithmetic, shared by
// the launcher's layout and the control's paint geometry.
#pragma once

namespace dpi {

const int kBaseDpi = 96;  // the DPI every pixel figure of the program is written for

// px * dpi / 96, rounded half away from zero as MulDiv rounds, so that a figure scaled by
// the launcher and one scaled by the system agree. At 96 dpi every figure is itself.
inline int Scale(int px, int dpi) {
  long long product = static_cast<long long>(px) * dpi;
  long long half = product < 0 ? -kBaseDpi / 2 : kBaseDpi / 2;
  return static_cast<int>((product + half) / kBaseDpi);
}

// A length measured at one DPI, brought to another (the template's pixels at a new DPI).
inline int Rescale(int px, int fromDpi, int toDpi) {
  if (fromDpi <= 0 || fromDpi == toDpi) return px;
  long long product = static_cast<long long>(px) * toDpi;
  long long half = product < 0 ? -fromDpi / 2 : fromDpi / 2;
  return static_cast<int>((product + half) / fromDpi);
}

}  // namespace dpi
