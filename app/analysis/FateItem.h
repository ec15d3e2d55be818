#pragma once

#include "analysis/TraitTable.h"

#include <string>
#include <vector>

namespace mienlore {

// One character trait of an analysis: its key, weights and texts, and the
// results of the last recompute (score, normalised value 0..1, level 0..6).
class CFateItem {
public:
    CFateItem() = default;
    virtual ~CFateItem() = default;
    CFateItem(const CFateItem&) = default;
    CFateItem& operator=(const CFateItem&) = default;

    std::string key;
    std::vector<std::string> texts; // one per level, from the texts file
    double weights[kRuleSlotCount] = {};
    double slotDelta = 0;
    double deltaMin = -2.0;
    double deltaMax = 2.0;
    double score = 0;
    double prevLevel = -1;
    double level = -1;
    double prevNorm = -1;
    double norm = -1;
    int thresholdCount = 6;
    double thresholds[6] = {-80, -55, -25, 25, 55, 80};
    double scaleMin = -100;
    double scaleMax = 100;

    double GetNorm() const { return norm; }
    int GetLevel() const { return static_cast<int>(level); }
    bool IsChanged() const { return prevNorm != norm; }
    bool IsLow() const { return norm < 0.2; }
    bool IsHigh() const { return norm > 0.8; }
    // The indicator value: normalised value x 100, truncated towards zero.
    int Percent() const { return static_cast<int>(norm * 100); }
};

} // namespace mienlore
