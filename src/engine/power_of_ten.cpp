#include "engine/power_of_ten.h"

namespace quantivo::engine {
namespace {

// The extended values nearest to the powers of ten, written exactly in hexadecimal
// (10^0 to 10^27 are exact; the rest are rounded to nearest).
constexpr Extended kOnes[32] = {
    0x8p-3L,                   // 1e0
    0xap+0L,                   // 1e1
    0xc.8p+3L,                 // 1e2
    0xf.ap+6L,                 // 1e3
    0x9.c4p+10L,               // 1e4
    0xc.35p+13L,               // 1e5
    0xf.424p+16L,              // 1e6
    0x9.8968p+20L,             // 1e7
    0xb.ebc2p+23L,             // 1e8
    0xe.e6b28p+26L,            // 1e9
    0x9.502f9p+30L,            // 1e10
    0xb.a43b74p+33L,           // 1e11
    0xe.8d4a51p+36L,           // 1e12
    0x9.184e72ap+40L,          // 1e13
    0xb.5e620f48p+43L,         // 1e14
    0xe.35fa931ap+46L,         // 1e15
    0x8.e1bc9bf04p+50L,        // 1e16
    0xb.1a2bc2ec5p+53L,        // 1e17
    0xd.e0b6b3a764p+56L,       // 1e18
    0x8.ac7230489e8p+60L,      // 1e19
    0xa.d78ebc5ac62p+63L,      // 1e20
    0xd.8d726b7177a8p+66L,     // 1e21
    0x8.78678326eac9p+70L,     // 1e22
    0xa.968163f0a57b4p+73L,    // 1e23
    0xd.3c21bcecceda1p+76L,    // 1e24
    0x8.4595161401484ap+80L,   // 1e25
    0xa.56fa5b99019a5c8p+83L,  // 1e26
    0xc.ecb8f27f4200f3ap+86L,  // 1e27
    0x8.13f3978f8940984p+90L,  // 1e28
    0xa.18f07d736b90be5p+93L,  // 1e29
    0xc.9f2c9cd04674edfp+96L,  // 1e30
    0xf.c6f7c4045812296p+99L,  // 1e31
};

constexpr Extended kThirtyTwos[16] = {
    0x8p-3L,                     // 1e0
    0x9.dc5ada82b70b59ep+103L,   // 1e32
    0xc.2781f49ffcfa6d5p+209L,   // 1e64
    0xe.fb3ab16c59b14a3p+315L,   // 1e96
    0x9.3ba47c980e98cep+422L,    // 1e128
    0xb.616a12b7fe617aap+528L,   // 1e160
    0xe.070f78d3927556bp+634L,   // 1e192
    0x8.a5296ffe33cc93p+741L,    // 1e224
    0xa.a7eebfb9df9de8ep+847L,   // 1e256
    0xd.226fc195c6a2f8cp+953L,   // 1e288
    0x8.1842f29f2cce376p+1060L,  // 1e320
    0x9.fa42700db900ad2p+1166L,  // 1e352
    0xc.4c5e310aef8aa17p+1272L,  // 1e384
    0xf.28a9c07e9b09c59p+1378L,  // 1e416
    0x9.57a4ae1ebf7f3d4p+1485L,  // 1e448
    0xb.83ed8dc0795a262p+1591L,  // 1e480
};

constexpr Extended kFiveTwelves[10] = {
    0x8p-3L,                      // 1e0
    0xe.319a0aea60e91c7p+1697L,   // 1e512
    0xc.976758681750c17p+3398L,   // 1e1024
    0xb.2b8353b3993a7e4p+5099L,   // 1e1536
    0x9.e8b3b5dc53d5de5p+6800L,   // 1e2048
    0x8.ca554c020a1f0a6p+8501L,   // 1e2560
    0xf.9895d25d88b5a8bp+10201L,  // 1e3072
    0xd.d5dc8a2bf27f3f8p+11902L,  // 1e3584
    0xc.46052028a20979bp+13603L,  // 1e4096
    0xa.e3511626ed559fp+15304L,   // 1e4608
};

}  // namespace

Extended ScaleByPowerOfTen(Extended value, int n, bool divide) {
  const Extended steps[3] = {kOnes[n % 32], kThirtyTwos[(n / 32) % 16], kFiveTwelves[n / 512]};
  for (const Extended step : steps) {
    if (step == 1) continue;
    value = divide ? value / step : value * step;
  }
  return value;
}

}  // namespace quantivo::engine
