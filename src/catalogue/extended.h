#pragma once

#include <limits>

namespace quantivo {

/// Every value the converter computes with: the x87 80-bit extended type, with a
/// 64-bit significand. Results depend on it to the last bit.
using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "Quantivo needs long double to be the x87 80-bit extended type");

}  // namespace quantivo
