#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace mienlore {

class CProfileFile;

constexpr int kPTypeCount = 16;

// One of the sixteen personality types with its texts and the result of the
// last scoring.
class CPType {
public:
    CPType() = default;
    virtual ~CPType() = default;
    CPType(const CPType&) = default;
    CPType& operator=(const CPType&) = default;

    std::string code;     // four letters, also the section in the types file
    std::string style;    // "Basic"
    std::string role;     // "Keirsey"
    std::string desire;   // "Desire"
    std::string negative; // "Negative"
    std::string sign;     // lower-case astrological sign
    std::string desc;     // "Desc", only from the types file
    int index = 0;
    double accuracy = 0;
    int score = 0;
};

// The trait indicator values a type is scored on (each 0..100), as the
// analysis shows them (myse and heav already inverted).
struct PTypeInputs {
    int acti; // extroversion
    int ener;
    int conf;
    int soci;
    int peop;
    int myse;
    int heav;
    int work;
    int inte;
    int cowa;
    int sexu;
};

// Empties types and appends the sixteen built-in rows in index order, each
// with its texts replaced by the values found in its section of the types
// file (a missing file keeps the built-in texts). Returns the count.
int BuildPTypeTable(std::vector<CPType>& types, const CProfileFile& typesFile);
int BuildPTypeTable(std::vector<CPType>& types, const std::filesystem::path& typesFilePath);

// The score of the type at index (0..15) for these inputs: at least 1.
int PTypeScore(int index, const PTypeInputs& in);
// The same computed term by term (the reference for the vector form).
int PTypeScorePlain(int index, const PTypeInputs& in);

// The scores of the sixteen types, by index.
void ScoreAllPTypes(const PTypeInputs& in, int (&scores)[kPTypeCount]);

// Stores every type's score (accuracy reset to 0), in index order.
void ScorePTypes(std::vector<CPType>& types, const PTypeInputs& in);

// Turns scores into accuracies that add up to 100; nothing changes when the
// scores sum to 0. Returns the sum of the scores.
int NormalisePTypes(std::vector<CPType>& types);

// The first type with the largest accuracy, or -1 when no accuracy is above 0.
int BestPType(const std::vector<CPType>& types);

} // namespace mienlore
