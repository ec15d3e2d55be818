#include "analysis/PType.h"

#include "shell/ProfileFile.h"

#include <algorithm>

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

int InputValue(const PTypeInputs& in, Input input) {
    switch (input) {
    case X:
        return in.acti;
    case ENER:
        return in.ener;
    case CONF:
        return in.conf;
    case SOCI:
        return in.soci;
    case PEOP:
        return in.peop;
    case MYSE:
        return in.myse;
    case HEAV:
        return in.heav;
    case WORK:
        return in.work;
    case INTE:
        return in.inte;
    case COWA:
        return in.cowa;
    case SEXU:
        return in.sexu;
    }
    return 50;
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

int PTypeScore(int index, const PTypeInputs& in) {
    const ScoringRule& rule = kRules[std::clamp(index, 0, kPTypeCount - 1)];
    const int x = in.acti;
    int s = 0;
    switch (rule.extro) {
    case Extro::EGated:
        if (x <= 20)
            return 1;
        s += 2 * (x - 20);
        break;
    case Extro::E:
        s += 2 * (x - 20);
        break;
    case Extro::IGated:
        if (x >= 80)
            return 1;
        s += 2 * (80 - x);
        break;
    case Extro::I:
        s += 2 * (80 - x);
        break;
    case Extro::None:
        break;
    }
    for (int i = 0; i < rule.termCount; ++i) {
        const Term& term = rule.terms[i];
        const int v = InputValue(in, term.input);
        if (term.above && v > 50)
            s += (v - 50) * term.weight;
        else if (!term.above && v < 50)
            s += (50 - v) * term.weight;
    }
    return s < 1 ? 1 : s;
}

void ScorePTypes(std::vector<CPType>& types, const PTypeInputs& in) {
    for (CPType& t : types) {
        t.accuracy = 0;
        t.score = PTypeScore(t.index, in);
    }
}

int NormalisePTypes(std::vector<CPType>& types) {
    int sum = 0;
    for (const CPType& t : types)
        sum += t.score;
    if (sum == 0)
        return 0;
    for (CPType& t : types)
        t.accuracy = std::clamp(static_cast<double>(t.score) * 100 / sum, 0.0, 100.0);
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
