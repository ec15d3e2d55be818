#include "analysis/PType.h"

#include "base/ProfileFile.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace mienlore {
namespace {

struct BuiltInType {
    const char* code;
    const char* style;
    const char* role;
    const char* desire;
    const char* negative;
    const char* sign;
};

// clang-format off
constexpr BuiltInType kBuiltIn[kPTypeCount] = {
    {"ENFJ", "Conscientious",    "Pedagogue",     "Control",                      "Obsessive-Compulsive",      "aquarius"},
    {"INFJ", "Sensitive",        "Author",        "Acceptance",                   "Avoidant",                  "pisces"},
    {"ENFP", "Vigilant",         "Journalist",    "Autonomy",                     "Paranoid",                  "scorpio"},
    {"INFP", "Dramatic",         "Questor",       "Attention",                    "Histrionic",                "leo"},
    {"ENTJ", "Aggressive",       "Fieldmarshal",  "Power",                        "Sadistic",                  "aries"},
    {"INTJ", "Idiosyncratic",    "Scientist",     "Non-conformity",               "Schizotypal",               "aries"},
    {"ENTP", "Inventive",        "Inventor",      "Recognition",                  "Compensatory Narcissistic", "libra"},
    {"INTP", "Solitary",         "Architect",     "Solitude",                     "Schizoid",                  "libra"},
    {"ESTJ", "Leisurely",        "Administrator", "Freedom to do as one pleases", "Passive-Aggressive",        "taurus"},
    {"ISTJ", "Serious",          "Trustee",       "Responsibility",               "Depressive",                "taurus"},
    {"ESFJ", "Self-Sacrificing", "Seller",        "Being needed",                 "Masochistic",               "cancer"},
    {"ISFJ", "Devoted",          "Conservator",   "Being taken care of",          "Dependent",                 "virgo"},
    {"ESTP", "Self-Confident",   "Promotor",      "Admiration",                   "Narcissistic",              "capricorn"},
    {"ISTP", "Adventurous",      "Artisan",       "Adventure",                    "Antisocial",                "sagittarius"},
    {"ESFP", "Mercurial",        "Entertainer",   "Relationship",                 "Borderline",                "gemini"},
    {"ISFP", "Artistic",         "Artist",        "Creativity",                   "Cyclothymic",               "gemini"},
};
// clang-format on

enum class Extro { EGated, E, IGated, I, None };

// Which input a term reads.
enum Input : int { X, ENER, CONF, SOCI, PEOP, MYSE, HEAV, WORK, INTE, COWA, SEXU };

struct Term {
    Input input;
    bool above; // adds (V - 50) * w when V > 50, else (50 - V) * w when V < 50
    int weight;
};

struct ScoringRule {
    Extro extro;
    int termCount;
    Term terms[6];
};

constexpr bool A = true;  // side above 50
constexpr bool B = false; // side below 50

// clang-format off
constexpr ScoringRule kRules[kPTypeCount] = {
    {Extro::EGated, 5, {{ENER, B, 3}, {SOCI, B, 1}, {PEOP, A, 1}, {WORK, A, 8}, {COWA, A, 3}}},              // ENFJ
    {Extro::IGated, 5, {{X, B, 5}, {CONF, B, 3}, {SOCI, B, 3}, {HEAV, A, 3}, {INTE, A, 3}}},                 // INFJ
    {Extro::EGated, 5, {{CONF, A, 3}, {PEOP, A, 3}, {MYSE, A, 5}, {HEAV, A, 8}, {WORK, A, 5}}},              // ENFP
    {Extro::None,   5, {{ENER, A, 3}, {CONF, A, 1}, {SOCI, A, 3}, {PEOP, B, 8}, {SEXU, A, 3}}},              // INFP
    {Extro::EGated, 5, {{ENER, A, 3}, {CONF, A, 5}, {MYSE, A, 5}, {HEAV, A, 8}, {WORK, A, 1}}},              // ENTJ
    {Extro::I,      5, {{X, B, 3}, {CONF, A, 1}, {SOCI, B, 5}, {PEOP, A, 1}, {INTE, A, 5}}},                 // INTJ
    {Extro::E,      5, {{X, A, 1}, {ENER, A, 3}, {SOCI, B, 5}, {MYSE, A, 3}, {INTE, A, 8}}},                 // ENTP
    {Extro::I,      6, {{X, B, 1}, {ENER, B, 1}, {SOCI, B, 5}, {MYSE, A, 3}, {INTE, A, 8}, {SEXU, B, 3}}},   // INTP
    {Extro::EGated, 3, {{ENER, B, 3}, {CONF, A, 3}, {WORK, B, 8}}},                                          // ESTJ
    {Extro::IGated, 4, {{ENER, B, 3}, {CONF, B, 5}, {MYSE, A, 3}, {INTE, A, 5}}},                            // ISTJ
    {Extro::EGated, 5, {{SOCI, A, 8}, {PEOP, B, 5}, {MYSE, B, 1}, {WORK, A, 3}, {COWA, A, 1}}},              // ESFJ
    {Extro::None,   4, {{CONF, B, 5}, {SOCI, A, 1}, {PEOP, B, 5}, {HEAV, B, 3}}},                            // ISFJ
    {Extro::EGated, 4, {{CONF, A, 5}, {SOCI, B, 3}, {MYSE, A, 10}, {HEAV, A, 5}}},                           // ESTP
    {Extro::None,   5, {{ENER, A, 3}, {CONF, A, 8}, {SOCI, B, 3}, {HEAV, A, 5}, {COWA, B, 1}}},              // ISTP
    {Extro::EGated, 4, {{ENER, A, 8}, {CONF, A, 5}, {INTE, A, 3}, {SEXU, A, 3}}},                            // ESFP
    {Extro::I,      6, {{X, B, 5}, {ENER, A, 3}, {CONF, A, 5}, {MYSE, A, 3}, {HEAV, A, 5}, {INTE, A, 3}}},   // ISFP
};
// clang-format on

// The scoring rules as one linear form per type over features of the inputs:
// feature 0 is X itself (the extroversion term), then for every input the
// distance above 50 and the distance below 50 (each 0 on the other side).
// A type's score is its base plus the weighted features, unless its gate
// closes it; then at least 1. All values fit 16 bits (scores stay below
// 2000), so the sixteen types are scored side by side.
constexpr int kInputCount = 11;
constexpr int kFeatureCount = 1 + 2 * kInputCount;

struct LinearScoring {
    alignas(16) std::int16_t weight[kFeatureCount][kPTypeCount];
    alignas(16) std::int16_t base[kPTypeCount];
    // All bits set for the types whose gate closes at X <= 20 (E-gated) and
    // at X >= 80 (I-gated).
    alignas(16) std::int16_t eGated[kPTypeCount];
    alignas(16) std::int16_t iGated[kPTypeCount];
};

constexpr LinearScoring MakeLinearScoring() {
    LinearScoring l{};
    for (int type = 0; type < kPTypeCount; ++type) {
        const ScoringRule& rule = kRules[type];
        l.eGated[type] = rule.extro == Extro::EGated ? -1 : 0;
        l.iGated[type] = rule.extro == Extro::IGated ? -1 : 0;
        if (rule.extro == Extro::EGated || rule.extro == Extro::E) {
            l.weight[0][type] = 2; // 2 * (X - 20)
            l.base[type] = -40;
        } else if (rule.extro == Extro::IGated || rule.extro == Extro::I) {
            l.weight[0][type] = -2; // 2 * (80 - X)
            l.base[type] = 160;
        }
        for (int i = 0; i < rule.termCount; ++i) {
            const Term& term = rule.terms[i];
            const int feature = 1 + 2 * term.input + (term.above ? 0 : 1);
            l.weight[feature][type] =
                static_cast<std::int16_t>(l.weight[feature][type] + term.weight);
        }
    }
    return l;
}

constexpr LinearScoring kLinear = MakeLinearScoring();

// A type's score straight from its rule, one term at a time, in int.
int PlainScore(const ScoringRule& rule, const int (&values)[kInputCount]) {
    const int x = values[X];
    int s = 0;
    switch (rule.extro) {
    case Extro::EGated:
        if (x <= 20)
            return 1;
        s = 2 * (x - 20);
        break;
    case Extro::E:
        s = 2 * (x - 20);
        break;
    case Extro::IGated:
        if (x >= 80)
            return 1;
        s = 2 * (80 - x);
        break;
    case Extro::I:
        s = 2 * (80 - x);
        break;
    case Extro::None:
        break;
    }
    for (int i = 0; i < rule.termCount; ++i) {
        const Term& term = rule.terms[i];
        const int v = values[term.input];
        if (term.above && v > 50)
            s += (v - 50) * term.weight;
        else if (!term.above && v < 50)
            s += (50 - v) * term.weight;
    }
    return s < 1 ? 1 : s;
}

void InputValues(const PTypeInputs& in, int (&values)[kInputCount]) {
    const int v[kInputCount] = {in.acti, in.ener, in.conf, in.soci, in.peop, in.myse,
                                in.heav, in.work, in.inte, in.cowa, in.sexu};
    for (int i = 0; i < kInputCount; ++i)
        values[i] = v[i];
}

bool InputsInRange(const int (&values)[kInputCount]) {
    for (int v : values)
        if (v < 0 || v > 100)
            return false;
    return true;
}

// Scores of all sixteen types.
void ScoreAll(const PTypeInputs& in, int (&scores)[kPTypeCount]) {
    int values[kInputCount];
    InputValues(in, values);
#if defined(__SSE2__)
    // Indicator values (0..100) keep every sum within 16 bits: eight types
    // per register.
    if (InputsInRange(values)) {
        const __m128i* weights = reinterpret_cast<const __m128i*>(kLinear.weight);
        __m128i low = _mm_load_si128(reinterpret_cast<const __m128i*>(kLinear.base));
        __m128i high = _mm_load_si128(reinterpret_cast<const __m128i*>(kLinear.base) + 1);
        auto add = [&](int feature, int value) {
            const __m128i v = _mm_set1_epi16(static_cast<short>(value));
            low = _mm_add_epi16(low, _mm_mullo_epi16(_mm_load_si128(weights + 2 * feature), v));
            high =
                _mm_add_epi16(high, _mm_mullo_epi16(_mm_load_si128(weights + 2 * feature + 1), v));
        };
        add(0, values[X]);
        for (int i = 0; i < kInputCount; ++i) {
            const int above = values[i] - 50;
            if (above > 0)
                add(1 + 2 * i, above);
            else if (above < 0)
                add(2 + 2 * i, -above);
        }
        const int x = values[X];
        const __m128i closedLow =
            _mm_or_si128(x <= 20 ? _mm_load_si128(reinterpret_cast<const __m128i*>(kLinear.eGated))
                                 : _mm_setzero_si128(),
                         x >= 80 ? _mm_load_si128(reinterpret_cast<const __m128i*>(kLinear.iGated))
                                 : _mm_setzero_si128());
        const __m128i closedHigh = _mm_or_si128(
            x <= 20 ? _mm_load_si128(reinterpret_cast<const __m128i*>(kLinear.eGated) + 1)
                    : _mm_setzero_si128(),
            x >= 80 ? _mm_load_si128(reinterpret_cast<const __m128i*>(kLinear.iGated) + 1)
                    : _mm_setzero_si128());
        const __m128i one = _mm_set1_epi16(1);
        low = _mm_max_epi16(_mm_andnot_si128(closedLow, low), one);
        high = _mm_max_epi16(_mm_andnot_si128(closedHigh, high), one);
        // Widen to int (the scores are positive).
        const __m128i zero = _mm_setzero_si128();
        _mm_storeu_si128(reinterpret_cast<__m128i*>(scores), _mm_unpacklo_epi16(low, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(scores) + 1, _mm_unpackhi_epi16(low, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(scores) + 2, _mm_unpacklo_epi16(high, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(scores) + 3, _mm_unpackhi_epi16(high, zero));
        return;
    }
#endif
    for (int type = 0; type < kPTypeCount; ++type)
        scores[type] = PlainScore(kRules[type], values);
}

} // namespace

int BuildPTypeTable(std::vector<CPType>& types, const CProfileFile& file) {
    types.clear();
    types.reserve(kPTypeCount);
    for (int i = 0; i < kPTypeCount; ++i) {
        const BuiltInType& b = kBuiltIn[i];
        CPType t;
        t.code = b.code;
        t.index = i;
        t.sign = b.sign;
        t.role = file.GetString(b.code, "Keirsey", b.role, 255);
        t.style = file.GetString(b.code, "Basic", b.style, 255);
        t.desire = file.GetString(b.code, "Desire", b.desire, 255);
        t.negative = file.GetString(b.code, "Negative", b.negative, 255);
        t.desc = file.GetString(b.code, "Desc", "", 255);
        types.push_back(std::move(t));
    }
    return kPTypeCount;
}

int BuildPTypeTable(std::vector<CPType>& types, const std::filesystem::path& typesFilePath) {
    CProfileFile file;
    file.Load(typesFilePath);
    return BuildPTypeTable(types, file);
}

void ScoreAllPTypes(const PTypeInputs& in, int (&scores)[kPTypeCount]) {
    ScoreAll(in, scores);
}

int PTypeScorePlain(int index, const PTypeInputs& in) {
    int values[kInputCount];
    InputValues(in, values);
    return PlainScore(kRules[std::clamp(index, 0, kPTypeCount - 1)], values);
}

int PTypeScore(int index, const PTypeInputs& in) {
    int scores[kPTypeCount];
    ScoreAll(in, scores);
    return scores[std::clamp(index, 0, kPTypeCount - 1)];
}

void ScorePTypes(std::vector<CPType>& types, const PTypeInputs& in) {
    int scores[kPTypeCount];
    ScoreAll(in, scores);
    for (CPType& t : types) {
        t.accuracy = 0;
        t.score = scores[std::clamp(t.index, 0, kPTypeCount - 1)];
    }
}

int NormalisePTypes(std::vector<CPType>& types) {
    int sum = 0;
    for (const CPType& t : types)
        sum += t.score;
    if (sum == 0)
        return 0;
    const double total = sum;
    for (CPType& t : types)
        t.accuracy = std::clamp(static_cast<double>(t.score) * 100 / total, 0.0, 100.0);
    return sum;
}

int BestPType(const std::vector<CPType>& types) {
    int best = -1;
    double bestAccuracy = 0;
    for (int i = 0; i < static_cast<int>(types.size()); ++i) {
        if (types[i].accuracy > bestAccuracy) {
            bestAccuracy = types[i].accuracy;
            best = i;
        }
    }
    return best;
}

} // namespace mienlore
