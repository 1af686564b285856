#pragma once

#include "catalogue/extended.h"

namespace quantivo::engine {

/// Powers of ten at or beyond this exponent are not applied by ScaleByPowerOfTen.
inline constexpr int kPowerOfTenLimit = 5120;

/// value × 10^n (or value ÷ 10^n when `divide`), for 0 <= n < 5120. The power is
/// applied as up to three rounded steps: 10^(n mod 32), 10^(32 × ((n div 32) mod 16))
/// and 10^(512 × (n div 512)), each the extended value nearest to that power; a step
/// of 1 is skipped. Parsing and formatting both scale this way.
Extended ScaleByPowerOfTen(Extended value, int n, bool divide);

}  // namespace quantivo::engine
