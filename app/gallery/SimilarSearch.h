#pragma once

#include "files/StoredFace.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace mienlore {

class CFaceFrame;

// The numbers of a face that the likeness compares, per main slot (forehead
// to ears): shape, variant, vertical class, horizontal class, and the raw y
// of the cheek-bones.
struct LikenessKey {
    std::array<std::int16_t, 8> shape{};
    std::array<std::int16_t, 8> variant{};
    std::array<std::int16_t, 8> vertClass{};
    std::array<std::int16_t, 8> horzClass{};
    int cheekY = 0;
};
LikenessKey MakeLikenessKey(const CFaceFrame& face);

// How alike two faces are: 0..55, 55 for equal faces. Weighted agreements
// of shape, variant and position classes over the eight main slots.
double Likeness(const LikenessKey& a, const LikenessKey& b);
double Likeness(const CFaceFrame& a, const CFaceFrame& b);

// The main slots ranked by how well they agree, best first (the listed order
// among equals: eyes, eyebrows, nose, lips, ears, chin, forehead,
// cheek-bones), as their shape-name string bases (21300 eyes ... 21100
// cheek-bones); at most maxCount of them.
std::vector<int> RankFeatures(const LikenessKey& a, const LikenessKey& b, int maxCount = 11);

// The caption of a feature by its shape-name base ("Eyes" for 21300), at
// most 19 characters; "" for another number.
std::string FeatureCaption(int base);

// One compared gallery face: its index in the collection and its likeness.
struct LikenessEntry {
    int index = 0;
    double likeness = 0;
};

// Sorts by likeness, largest first, by repeated passes that swap neighbours
// while the right one is strictly greater; equal likenesses keep their
// order.
void StableExchangeSort(std::vector<LikenessEntry>& entries);

// The first count entries of the exchange-sorted order of entries (which are
// in collection order), found in one pass.
std::vector<LikenessEntry> BestEntries(const std::vector<LikenessEntry>& entries, int count);

// One row of the result list.
struct SimilarRow {
    int index = 0;    // in the gallery face files collection
    std::string name; // the face's name ("" when its line does not decode)
    std::string like; // captions of the two best-agreeing features, "A, B"
    double likeness = 0;
    std::string LikenessText() const; // "%.1f"
};

// The similar-face search over the gallery face files collection (lines
// with ";", in collection order). The faces are decoded once; a line that
// does not decode takes part as a new face with an empty name.
class CSimilarSearch {
public:
    static constexpr int kWalkedEntries = 6;
    static constexpr int kMaxRows = 5;

    explicit CSimilarSearch(const std::vector<StoredFace>& faces);

    int Size() const { return static_cast<int>(m_keys.size()); }
    const std::string& Name(int index) const { return m_names[index]; }
    const LikenessKey& Key(int index) const { return m_keys[index]; }

    // The likeness of the face with every gallery face, in collection order.
    std::vector<LikenessEntry> Compare(const LikenessKey& face) const;

    // The result rows: the six best entries walked from the best; a row for
    // each whose name differs from the row added last, at most five.
    // caption names a feature by its shape-name base (FeatureCaption when
    // not given).
    std::vector<SimilarRow> Search(const CFaceFrame& face,
                                   const std::function<std::string(int)>& caption = {}) const;

private:
    std::vector<LikenessKey> m_keys;
    std::vector<std::string> m_names;
};

} // namespace mienlore
