#pragma once

#include <array>

namespace mienlore {

constexpr int kTraitCount = 15;
constexpr int kRuleSlotCount = 8; // forehead .. ears
constexpr int kLevelCount = 7;    // levels 0..6

// Trait positions, in trait order.
enum TraitIndex : int {
    kHeal,
    kSexu,
    kActi,
    kEner,
    kConf,
    kSoci,
    kPeop,
    kLife,
    kMyse,
    kHeav,
    kWork,
    kInte,
    kHumo,
    kChan,
    kCowa,
};

constexpr std::array<const char*, kTraitCount> kTraitKeys = {
    "heal", "sexu", "acti", "ener", "conf", "soci", "peop", "life",
    "myse", "heav", "work", "inte", "humo", "chan", "cowa",
};

// Indicator id of each trait; the low label has id + 2, the high label id + 4.
constexpr std::array<int, kTraitCount> kTraitIndicators = {
    2510, 2520, 2530, 2540, 2550, 2560, 2570, 2580, 2590, 2620, 2630, 2640, 2650, 2660, 2670,
};

constexpr int kIndicatorTemperament = 2680;
constexpr int kIndicatorProfession = 2700;
constexpr int kIndicatorConfidence = 2800;

// Weight of each slot's contribution (forehead, cheek-bones, chin, eyes,
// eyebrows, nose, lips, ears) per trait.
// clang-format off
constexpr double kTraitWeights[kTraitCount][kRuleSlotCount] = {
    {80, 99,  0, 80,  0,  0, 80, 99}, // heal
    {80,  0, 60, 99, 99, 80, 99, 99}, // sexu
    {40, 50, 99, 99, 60, 99, 60, 60}, // acti
    {80, 99, 80, 99, 80, 99, 99, 80}, // ener
    {60, 50, 40, 50, 99, 50, 60, 80}, // conf
    {40,  0, 40, 99, 80, 99, 60, 99}, // soci
    {40, 99, 99, 99, 60, 99, 99, 80}, // peop
    {40,  0,  0, 99, 80, 80,  0, 40}, // life
    {60, 50, 80, 80, 99, 99, 80, 99}, // myse
    {60, 50, 99, 99, 99, 99, 99, 80}, // heav
    {60, 99, 50, 80, 60, 60, 50, 99}, // work
    {99, 99, 80, 99, 60, 80, 99, 99}, // inte
    {40, 99, 99, 99, 60, 99, 99, 80}, // humo
    {80,  0,  0,  0,  0, 99,  0, 99}, // chan
    {99,  0, 50,  0,  0,  0, 99, 99}, // cowa
};
// clang-format on

constexpr std::array<double, 6> kLevelThresholds = {-80, -55, -25, 25, 55, 80};

// Trait position of an indicator id, or -1.
constexpr int TraitOfIndicator(int id) {
    for (int t = 0; t < kTraitCount; ++t)
        if (kTraitIndicators[t] == id)
            return t;
    return -1;
}

// Number of level thresholds strictly below the value (0..6).
constexpr int ThresholdsBelow(double value) {
    int n = 0;
    for (double threshold : kLevelThresholds)
        if (threshold < value)
            ++n;
    return n;
}

} // namespace mienlore
