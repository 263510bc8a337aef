// Rounding a double to single precision without undefined behaviour: a finite double beyond
// the single range has no float to convert to, so it becomes the infinity it rounds to.
#pragma once

#include <cmath>
#include <limits>

namespace kvo {

inline float RoundToSingle(double value) {
  // Half an ulp above FLT_MAX: from here on, rounding to nearest gives infinity.
  constexpr double kOverflowEdge = 0x1.ffffffp127;
  if (std::fabs(value) >= kOverflowEdge) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    return value > 0 ? kInf : -kInf;
  }
  return static_cast<float>(value);
}

}  // namespace kvo
