#pragma once

namespace mienlore {

constexpr int kTemperamentNameBase = 2900;
constexpr int kProfessionNameBase = 2920;

// Temperament code 0..6 from the (unadjusted) levels of extroversion (acti)
// and energy (ener).
int TemperamentCode(int acti, int ener);

// Profession code 0..6 from the unadjusted levels of ener, myse, conf, acti,
// peop and inte.
int ProfessionCode(int ener, int myse, int conf, int acti, int peop, int inte);

} // namespace mienlore
