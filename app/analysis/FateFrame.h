#pragma once

#include "analysis/FateItem.h"
#include "analysis/PType.h"
#include "analysis/TraitTable.h"
#include "resources/LoadString.h"
#include "base/ProgramFolder.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace mienlore {

class CFaceFrame;

// Where an analysis reads its texts: Text/<traitsFile> and PType/<typesFile>
// below the program folder. A language may name other files.
struct FateTextFiles {
    std::filesystem::path programFolder = ExecutableFolder();
    std::string traitsFile = "traits.ini";
    std::string typesFile = "typepages.ini";
};

// The character analysis of one face: fifteen traits computed from the
// eight main slots, temperament and profession codes, a confidence factor,
// a summary and the sixteen personality types. Refers to the face, never
// owns it.
class CFateFrame {
public:
    struct Indicator {
        int value;
        bool changed;
    };

    // Reads the trait and type texts from the given files; strings of the
    // summary and of the code names come through the override when given.
    explicit CFateFrame(const FateTextFiles& files = FateTextFiles(), StringOverride strings = {});
    virtual ~CFateFrame() = default;
    CFateFrame(const CFateFrame&) = default;
    CFateFrame& operator=(const CFateFrame&) = default;

    // Analyses this face from now on; null is refused (false).
    bool BindFace(const CFaceFrame* face);
    const CFaceFrame* Face() const { return m_face; }
    void SetMale(bool male) { m_male = male ? 1 : 0; }
    bool IsMale() const { return m_male != 0; }

    // Recomputes every result from the bound face (and, with withTypes, the
    // personality types). Returns the number of traits whose normalised
    // value changed; 0 without computing anything when no face is bound.
    // Allocates nothing.
    int Recompute(bool withTypes);

    // Forgets all results, as a newly made analysis has them (texts, face
    // and male flag stay).
    void ResetResults();

    // Indicator value by id: traits 0..100 (myse and heav inverted),
    // temperament, profession, confidence. Other ids read trait 0.
    Indicator GetIndicator(int id) const;
    // Confidence, then the traits in indicator order (2510..2590, 2620..2670).
    std::array<int, 16> GetAllIndicators() const;
    // Position of an indicator id in GetAllIndicators (any other id: 0).
    static int IndicatorSlot(int id);

    // A trait by index 0..14 or by indicator id; anything else gives trait 0.
    const CFateItem& GetTrait(int indexOrId) const;
    CFateItem& GetTrait(int indexOrId);
    // The text of the trait's current level ("" when it has fewer than 7).
    static std::string GetLevelText(const CFateItem& trait);
    // The level texts of fourteen traits in report order (no heal).
    std::vector<std::string> GetReportTexts() const;

    int Temperament() const { return m_temperament; }
    int Profession() const { return m_profession; }
    double Confidence() const { return m_confidence; }
    std::string TemperamentName() const;
    std::string ProfessionName() const;
    static std::string TemperamentName(int code, const StringOverride& strings = {});
    static std::string ProfessionName(int code, const StringOverride& strings = {});

    // Builds the summary from the current results, keeps its words and
    // returns them joined by ", ".
    std::string GetSummary();
    const std::vector<std::string>& GetSummaryWords() const { return m_summaryWords; }

    const std::vector<CPType>& GetTypes() const {
        SyncTypes();
        return m_types;
    }
    // The personality type with the largest accuracy, or -1.
    int BestType() const { return BestPType(GetTypes()); }

    // Sums from the last recompute, for the confidence rule.
    double AgreementSum() const { return m_agreementSum; }
    double MagnitudeSum() const { return m_magnitudeSum; }
    int PresentSlots() const { return m_presentSlots; }

private:
    void LoadTraitTexts(const std::filesystem::path& path);
    PTypeInputs TypeInputs() const;
    void AdjustLevels();
    // Puts the scores of the last recompute into the type records and turns
    // them into accuracies; done when the records are read, so that a
    // recompute itself only scores.
    void SyncTypes() const;

    int m_male = 1;
    std::array<CFateItem, kTraitCount> m_traits;
    int m_temperament = -1;
    int m_prevTemperament = -1;
    int m_profession = -1;
    int m_prevProfession = -1;
    double m_confidence = 0;
    double m_prevConfidence = 0;
    const CFaceFrame* m_face = nullptr;
    std::vector<std::string> m_summaryWords;
    mutable std::vector<CPType> m_types;
    int m_typeScores[kPTypeCount] = {};
    mutable bool m_typesPending = false;

    double m_agreementSum = 0;
    double m_magnitudeSum = 0;
    int m_presentSlots = 0;
    StringOverride m_strings;
};

// Confidence 40..100 from the evaluated slots, agreement and magnitude sums.
int ConfidenceLevel(int evaluatedSlots, double agreement, double magnitude);

} // namespace mienlore
