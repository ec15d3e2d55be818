#include "gallery/SimilarSearch.h"

#include "model/FaceFrame.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace mienlore {
namespace {

enum { kForehead, kCheekBones, kChin, kEyes, kEyebrows, kNose, kLips, kEars };

double Closeness(int a, int b) {
    return 1.0 / (std::abs(a - b) + 1);
}

// Shape and variant agreement of slot i (0..2).
int SameParts(const LikenessKey& a, const LikenessKey& b, int i) {
    return (a.shape[i] == b.shape[i] ? 1 : 0) + (a.variant[i] == b.variant[i] ? 1 : 0);
}

double Vert(const LikenessKey& a, const LikenessKey& b, int i) {
    return Closeness(a.vertClass[i], b.vertClass[i]);
}

double Horz(const LikenessKey& a, const LikenessKey& b, int i) {
    return Closeness(a.horzClass[i], b.horzClass[i]);
}

struct RankedSlot {
    int slot;
    int base;
    double weight;
};

// The ranking's order among equal scores, with each slot's weight.
constexpr RankedSlot kRankOrder[8] = {
    {kEyes, 21300, 1.5}, {kEyebrows, 21400, 1.5}, {kNose, 21500, 1.5},   {kLips, 21600, 1.5},
    {kEars, 21700, 1},   {kChin, 21200, 1},       {kForehead, 21000, 1}, {kCheekBones, 21100, 1},
};

struct CaptionDef {
    int base;
    const char* text;
};

constexpr CaptionDef kCaptions[] = {
    {21000, "Forehead"}, {21100, "Cheek-bone"}, {21200, "Chin"}, {21300, "Eyes"},
    {21400, "Eyebrows"}, {21500, "Nose"},       {21600, "Lips"}, {21700, "Ears"},
};

constexpr std::size_t kMaxCaptionChars = 19;

} // namespace

LikenessKey MakeLikenessKey(const CFaceFrame& face) {
    LikenessKey key;
    for (int i = 0; i < kMainSlotCount; ++i) {
        const CFaceItem& item = face.Item(i);
        key.shape[i] = static_cast<std::int16_t>(item.GetShape());
        key.variant[i] = static_cast<std::int16_t>(item.GetVariant());
        key.vertClass[i] = static_cast<std::int16_t>(item.GetVertClass());
        key.horzClass[i] = static_cast<std::int16_t>(item.GetHorzClass());
    }
    key.cheekY = face.Item(kCheekBones).GetPosY();
    return key;
}

double Likeness(const LikenessKey& a, const LikenessKey& b) {
    double sum = 0;
    sum += (SameParts(a, b, kForehead) + Vert(a, b, kForehead)) * 1;
    sum +=
        ((a.shape[kCheekBones] == b.shape[kCheekBones] ? 1 : 0) + Closeness(a.cheekY, b.cheekY)) *
        2;
    sum += (SameParts(a, b, kChin) + Vert(a, b, kChin)) * 1.5;
    sum += (SameParts(a, b, kEyes) + Horz(a, b, kEyes) + Vert(a, b, kEyes)) * 3;
    sum += (SameParts(a, b, kEyebrows) + Horz(a, b, kEyebrows) + Vert(a, b, kEyebrows)) * 3;
    sum += SameParts(a, b, kNose) * 3;
    sum += (SameParts(a, b, kLips) + Horz(a, b, kLips)) * 3;
    sum += (SameParts(a, b, kEars) + Horz(a, b, kEars)) * 1.5;
    return sum;
}

double Likeness(const CFaceFrame& a, const CFaceFrame& b) {
    return Likeness(MakeLikenessKey(a), MakeLikenessKey(b));
}

std::vector<int> RankFeatures(const LikenessKey& a, const LikenessKey& b, int maxCount) {
    struct Scored {
        int base;
        double score;
    };
    std::vector<Scored> scored;
    scored.reserve(8);
    for (const RankedSlot& r : kRankOrder)
        scored.push_back({r.base, (SameParts(a, b, r.slot) + Vert(a, b, r.slot)) * r.weight});
    std::stable_sort(scored.begin(), scored.end(),
                     [](const Scored& x, const Scored& y) { return x.score > y.score; });
    std::vector<int> bases;
    for (const Scored& s : scored) {
        if (static_cast<int>(bases.size()) >= maxCount)
            break;
        bases.push_back(s.base);
    }
    return bases;
}

std::string FeatureCaption(int base) {
    for (const CaptionDef& c : kCaptions)
        if (c.base == base)
            return c.text;
    return {};
}

void StableExchangeSort(std::vector<LikenessEntry>& entries) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t i = 1; i < entries.size(); ++i) {
            if (entries[i].likeness > entries[i - 1].likeness) {
                std::swap(entries[i], entries[i - 1]);
                swapped = true;
            }
        }
    }
}

std::vector<LikenessEntry> BestEntries(const std::vector<LikenessEntry>& entries, int count) {
    // A later entry passes an earlier one only when strictly greater, which
    // is the order the exchange sort leaves.
    std::vector<LikenessEntry> best;
    if (count <= 0)
        return best;
    best.reserve(static_cast<std::size_t>(count) + 1);
    for (const LikenessEntry& e : entries) {
        if (static_cast<int>(best.size()) == count && !(e.likeness > best.back().likeness))
            continue;
        auto at = best.end();
        while (at != best.begin() && e.likeness > (at - 1)->likeness)
            --at;
        best.insert(at, e);
        if (static_cast<int>(best.size()) > count)
            best.pop_back();
    }
    return best;
}

std::string SimilarRow::LikenessText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", likeness);
    return text;
}

CSimilarSearch::CSimilarSearch(const std::vector<StoredFace>& faces) {
    // A line that does not decode stands for a new face.
    const CFaceFrame fresh{std::filesystem::path()};
    const LikenessKey freshKey = MakeLikenessKey(fresh);
    CFaceFrame scratch = fresh;
    m_keys.reserve(faces.size());
    m_names.reserve(faces.size());
    for (const StoredFace& face : faces) {
        const bool readable = face.line.find(';') != std::string::npos &&
                              scratch.DecodeMain(StoredFaceCode(face.line));
        m_keys.push_back(readable ? MakeLikenessKey(scratch) : freshKey);
        m_names.push_back(readable ? face.name : std::string());
    }
}

std::vector<LikenessEntry> CSimilarSearch::Compare(const LikenessKey& face) const {
    std::vector<LikenessEntry> entries(m_keys.size());
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        entries[i] = {static_cast<int>(i), Likeness(face, m_keys[i])};
    return entries;
}

std::vector<SimilarRow>
CSimilarSearch::Search(const CFaceFrame& face,
                       const std::function<std::string(int)>& caption) const {
    const LikenessKey key = MakeLikenessKey(face);
    const std::vector<LikenessEntry> best = BestEntries(Compare(key), kWalkedEntries);
    const auto captionOf = [&caption](int base) {
        std::string text = caption ? caption(base) : FeatureCaption(base);
        // Cut to 19 characters, never inside a character's bytes.
        std::size_t bytes = 0;
        for (std::size_t chars = 0; bytes < text.size() && chars < kMaxCaptionChars; ++chars) {
            ++bytes;
            while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
                ++bytes;
        }
        text.resize(bytes);
        return text;
    };
    std::vector<SimilarRow> rows;
    std::string lastName = "?";
    for (const LikenessEntry& e : best) {
        const std::string& name = m_names[e.index];
        if (name == lastName || static_cast<int>(rows.size()) >= kMaxRows)
            continue;
        const std::vector<int> ranked = RankFeatures(key, m_keys[e.index], 2);
        SimilarRow row;
        row.index = e.index;
        row.name = name;
        row.like = captionOf(ranked[0]) + ", " + captionOf(ranked[1]);
        row.likeness = e.likeness;
        rows.push_back(std::move(row));
        lastName = name;
    }
    return rows;
}

} // namespace mienlore
