#include "gallery/TraitSearch.h"

#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"

#include <cmath>
#include <cstdlib>

namespace mienlore {
namespace {

struct PresetEntry {
    int id;
    int position;
};

struct Preset {
    PresetEntry entries[6];
    int count;
};

// The targets each personality type suggests, applied in this order. The
// adventurer type (ISTP) aims at a high adventurism: its own scoring rule
// asks for a conf level above 8, so a low target would work against it.
constexpr Preset kPresets[kTargetPresetCount] = {
    {{{2530, 80}, {2630, 100}, {2570, 20}, {2540, 100}, {2670, 100}, {2560, 20}}, 6}, // ENFJ
    {{{2530, 0}, {2550, 0}, {2560, 20}, {2620, 80}, {2640, 80}}, 5},                  // INFJ
    {{{2530, 100}, {2630, 100}, {2570, 80}, {2590, 100}, {2620, 100}}, 5},            // ENFP
    {{{2560, 100}, {2540, 80}, {2520, 80}, {2570, 0}, {2550, 100}}, 5},               // INFP
    {{{2530, 80}, {2550, 100}, {2590, 100}, {2540, 80}, {2630, 80}, {2620, 100}}, 6}, // ENTJ
    {{{2530, 0}, {2550, 80}, {2570, 100}, {2560, 0}, {2640, 100}}, 5},                // INTJ
    {{{2530, 100}, {2560, 0}, {2540, 20}, {2640, 100}, {2590, 80}}, 5},               // ENTP
    {{{2530, 20}, {2560, 0}, {2540, 0}, {2520, 20}, {2590, 80}, {2640, 100}}, 6},     // INTP
    {{{2530, 80}, {2540, 20}, {2550, 80}, {2630, 0}}, 4},                             // ESTJ
    {{{2530, 20}, {2540, 20}, {2550, 0}, {2590, 80}, {2640, 100}}, 5},                // ISTJ
    {{{2530, 80}, {2560, 100}, {2570, 0}, {2630, 80}, {2590, 0}, {2670, 80}}, 6},     // ESFJ
    {{{2570, 0}, {2560, 100}, {2620, 20}, {2550, 20}}, 4},                            // ISFJ
    {{{2530, 80}, {2590, 100}, {2620, 100}, {2560, 20}, {2550, 80}}, 5},              // ESTP
    {{{2550, 100}, {2620, 100}, {2560, 20}, {2670, 0}, {2540, 80}}, 5},               // ISTP
    {{{2530, 80}, {2520, 80}, {2540, 100}, {2550, 100}, {2640, 80}}, 5},              // ESFP
    {{{2530, 0}, {2540, 80}, {2550, 100}, {2590, 80}, {2620, 100}, {2640, 80}}, 6},   // ISFP
};

// A slot's values as the search remembers its best try.
struct SlotValues {
    int shape;
    int variant;
    int x;
    int y;
    int size;
};

} // namespace

int TargetTraitId(int index) {
    if (index < 0 || index >= kTargetTraitCount)
        return 0;
    return index < 9 ? 2510 + 10 * index : 2620 + 10 * (index - 9);
}

int TargetTraitIndex(int id) {
    if (id % 10 != 0)
        return -1;
    if (id >= 2510 && id <= 2590)
        return (id - 2510) / 10;
    if (id >= 2620 && id <= 2670)
        return 9 + (id - 2620) / 10;
    return -1;
}

bool IsInvertedTarget(int id) {
    return id == 2590 || id == 2620;
}

void TraitTargets::Reset() {
    position.fill(100);
    ticked.fill(false);
}

bool TraitTargets::Set(int id, int pos) {
    const int i = TargetTraitIndex(id);
    if (i < 0 || pos < 0 || pos > 100)
        return false;
    position[i] = pos;
    ticked[i] = true;
    return true;
}

TraitTargets PresetTargets(int type) {
    TraitTargets targets;
    if (type < 0 || type >= kTargetPresetCount)
        return targets;
    const Preset& preset = kPresets[type];
    for (int e = 0; e < preset.count; ++e)
        targets.Set(preset.entries[e].id, preset.entries[e].position);
    return targets;
}

PreparedTargets PrepareTargets(const TraitTargets& targets) {
    PreparedTargets prepared;
    for (int i = 0; i < kTargetTraitCount; ++i) {
        const int id = TargetTraitId(i);
        const int target = IsInvertedTarget(id) ? 100 - targets.position[i] : targets.position[i];
        prepared.value[i] = target / 100.0;
        prepared.ticked[i] = targets.ticked[i];
        // Targets 41..59 are too close to the middle to start a search.
        if (targets.ticked[i] && (target <= 40 || target >= 60))
            ++prepared.strongCount;
    }
    return prepared;
}

int MatchScore(const CFateFrame& fate, const PreparedTargets& targets) {
    double weight = 0;
    double sum = 0;
    for (int i = 0; i < kTargetTraitCount; ++i) {
        if (!targets.ticked[i])
            continue;
        const double d = targets.value[i];
        const double importance = std::fabs(d - 0.5);
        const double distance = std::fabs(fate.GetTrait(i).GetNorm() - d);
        weight += importance;
        sum += importance * (1 - distance);
    }
    return weight > 0 ? static_cast<int>(sum / weight * 100) : 0;
}

TraitSearchResult SearchByTraits(CFaceFrame& face, CFateFrame& fate, const PreparedTargets& targets,
                                 CCrtRandom& random, const TraitSearchProgress& progress) {
    TraitSearchResult result;
    const bool bound = fate.Face() == &face;
    for (int s = 0; s < kMainSlotCount; ++s) {
        const int slotId = static_cast<int>(kFaceSlots[s]);
        if (progress.slotStarted)
            progress.slotStarted(slotId);
        int best = 0;
        if (bound) {
            CFaceItem& item = face.Item(s);
            const int tries = item.Shapes() * item.Variants() * 10;
            SlotValues kept{item.GetShape(), item.GetVariant(), item.GetPosX(), item.GetPosY(),
                            item.GetSize()};
            fate.Recompute(true);
            for (int t = 0; t < tries; ++t) {
                item.Randomize(random);
                fate.Recompute(true);
                if (item.IsEmpty())
                    continue;
                const int score = MatchScore(fate, targets);
                if (score > best) {
                    best = score;
                    kept = {item.GetShape(), item.GetVariant(), item.GetPosX(), item.GetPosY(),
                            item.GetSize()};
                }
            }
            // Without a scoring try the slot keeps what it had before.
            item.SetShape(kept.shape);
            item.SetVariant(kept.variant);
            item.SetPosX(kept.x);
            item.SetPosY(kept.y);
            item.SetSize(kept.size);
            item.Reload();
            fate.Recompute(true);
        }
        result.slotScore[s] = best;
        if (progress.slotDone)
            progress.slotDone(slotId, best);
    }
    if (bound)
        result.finalScore = MatchScore(fate, targets);
    return result;
}

} // namespace mienlore
