#pragma once

#include "base/CrtRandom.h"

#include <array>
#include <functional>

namespace mienlore {

class CFaceFrame;
class CFateFrame;

// Number of traits a search by traits can aim at (every trait of the
// analysis, in indicator order).
inline constexpr int kTargetTraitCount = 15;
// Indicator id of target i (2510..2590, then 2620..2670).
int TargetTraitId(int index);
// Position of an indicator id among the targets, or -1.
int TargetTraitIndex(int id);
// True for the two traits whose slider runs against their value (a high
// "Self-confidence" or "Will power" position aims at a low myse or heav).
bool IsInvertedTarget(int id);

// What the user asks of a face: per trait a slider position 0..100 (as the
// dialog shows it) and whether the trait takes part.
struct TraitTargets {
    std::array<int, kTargetTraitCount> position;
    std::array<bool, kTargetTraitCount> ticked;

    // Every slider at 100, nothing ticked.
    TraitTargets() { Reset(); }
    void Reset();
    // Sets and ticks the trait of an indicator id; false for an unknown id
    // or a position outside 0..100.
    bool Set(int id, int position);
};

// Personality-type presets: 16 types in table order (ENFJ first).
inline constexpr int kTargetPresetCount = 16;
// The targets of preset 0..15: the preset's traits set and ticked, every
// other trait at 100 and unticked. An index outside the table gives the
// reset targets.
TraitTargets PresetTargets(int type);

// The targets as the score compares them with normalised values: position
// / 100, turned around for the inverted traits.
struct PreparedTargets {
    std::array<double, kTargetTraitCount> value; // 0..1
    std::array<bool, kTargetTraitCount> ticked;
    // Number of ticked traits whose target lies at or beyond 40 or 60 (the
    // ones strong enough to start a search).
    int strongCount = 0;
    bool CanStart() const { return strongCount > 0; }
};
PreparedTargets PrepareTargets(const TraitTargets& targets);

// The match (0..100, truncated) between the analysis's last results and the
// ticked targets: each trait weighs by how far its target is from the
// middle; 0 when nothing weighs.
int MatchScore(const CFateFrame& fate, const PreparedTargets& targets);

// The outcome of a search by traits, per main slot (forehead to ears).
struct TraitSearchResult {
    std::array<int, 8> slotScore{};
    int finalScore = 0; // the match score of the face the search leaves
};

// Reports the slot (FaceSlot number) about to be searched, and again once
// done with its best score; a caller shows progress and redraws there.
struct TraitSearchProgress {
    std::function<void(int slotId)> slotStarted;
    std::function<void(int slotId, int bestScore)> slotDone;
};

// Composes a face for the targets: for the forehead, cheek-bones, chin,
// eyes, eyebrows, nose, lips and ears in turn, draws shape and variant
// shapes x variants x 10 times from the generator, recomputes the analysis
// (with types) for each try, and keeps the try with the best match score;
// empty shapes are never kept. A slot no try scores for stays as it was.
// Works on the face the analysis is bound to; when the analysis is bound to
// no face (or to another one), nothing changes and every score is 0.
TraitSearchResult SearchByTraits(CFaceFrame& face, CFateFrame& fate, const PreparedTargets& targets,
                                 CCrtRandom& random, const TraitSearchProgress& progress = {});

} // namespace mienlore
