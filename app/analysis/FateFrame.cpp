#include "analysis/FateFrame.h"

#include "analysis/TemperProfession.h"
#include "analysis/TraitKernel.h"
#include "analysis/TraitRules.h"
#include "model/FaceFrame.h"
#include "base/ProfileFile.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace mienlore {
namespace {

constexpr int kEvaluatedSlots = kRuleSlotCount;

int RowOf(const TraitRuleTables::Slot& slot, RuleSelector selector, int value) {
    if (value < 0 || value >= kMaxSelectorValue)
        return -1;
    return slot.rowOf[static_cast<int>(selector)][value];
}

// The rows a present slot applies, in order: shape (the chin's by its
// dimple), variant, chin width, horizontal or size class, vertical class.
// Written in place: copying a selection right after filling it would stall
// on the partly written memory.
void SelectRows(const CFaceItem& item, int slot, const TraitRuleTables& rules,
                SlotRowSelection& selection) {
    const TraitRuleTables::Slot& slotRules = rules.slots[slot];
    const int shape = item.GetShape();
    const int variant = item.GetVariant();
    const bool chin = item.Slot() == FaceSlot::Chin;
    const int candidates[5] = {
        RowOf(slotRules,
              chin && (variant & 1) != 0 ? RuleSelector::ShapeDimple : RuleSelector::Shape, shape),
        RowOf(slotRules, RuleSelector::Variant, variant),
        chin ? RowOf(slotRules, RuleSelector::Width, variant / 2) : -1,
        RowOf(slotRules, RuleSelector::Horz, item.GetHorzClass()),
        RowOf(slotRules, RuleSelector::Vert, item.GetVertClass()),
    };
    int count = 0;
    for (int row : candidates)
        if (row >= 0)
            selection.rows[count++] = row;
    selection.slot = slot;
    selection.rowCount = count;
}

} // namespace

int ConfidenceLevel(int evaluatedSlots, double g, double c) {
    const double n = evaluatedSlots;
    double point;
    if (c < 3 * n)
        point = c >= 1.5 * n ? -25 : -55;
    else if (g > 0.75 * c)
        point = 81;
    else if (g > 0.6 * c)
        point = 56;
    else if (g > 0.5 * c)
        point = 26;
    else if (g > 0.4 * c)
        point = -24;
    else if (g > 0.3 * c)
        point = -54;
    else if (g > 0.25 * c)
        point = -79;
    else
        point = -81;
    return 10 * ThresholdsBelow(point) + 40;
}

CFateFrame::CFateFrame(const FateTextFiles& files, StringOverride strings)
    : m_strings(std::move(strings)) {
    for (int t = 0; t < kTraitCount; ++t) {
        CFateItem& item = m_traits[t];
        item.key = kTraitKeys[t];
        for (int j = 0; j < kRuleSlotCount; ++j)
            item.weights[j] = kTraitWeights[t][j];
    }
    LoadTraitTexts(DataPath(files.programFolder, "Text", files.traitsFile));
    BuildPTypeTable(m_types, DataPath(files.programFolder, "PType", files.typesFile));
}

void CFateFrame::LoadTraitTexts(const std::filesystem::path& path) {
    CProfileFile file;
    file.Load(path);
    for (CFateItem& item : m_traits) {
        item.texts.clear();
        for (int key = 1; key <= kLevelCount; ++key)
            item.texts.push_back(file.GetString(item.key, std::to_string(key), "???", 255));
    }
}

bool CFateFrame::BindFace(const CFaceFrame* face) {
    if (face == nullptr)
        return false;
    m_face = face;
    return true;
}

void CFateFrame::ResetResults() {
    for (CFateItem& item : m_traits) {
        item.slotDelta = 0;
        item.score = 0;
        item.prevLevel = item.level = -1;
        item.prevNorm = item.norm = -1;
    }
    m_temperament = m_prevTemperament = -1;
    m_profession = m_prevProfession = -1;
    m_confidence = m_prevConfidence = 0;
    m_summaryWords.clear();
    m_typesPending = false;
    for (CPType& type : m_types) {
        type.accuracy = 0;
        type.score = 0;
    }
    m_agreementSum = m_magnitudeSum = 0;
    m_presentSlots = 0;
}

int CFateFrame::Recompute(bool withTypes) {
    if (m_face == nullptr)
        return 0;
    const TraitRuleTables& rules = TraitRules();
    SlotRowSelection selections[kRuleSlotCount];
    int present = 0;
    for (int j = 0; j < kRuleSlotCount; ++j) {
        const CFaceItem& item = m_face->Item(j);
        if (!item.IsEmpty())
            SelectRows(item, j, rules, selections[present++]);
    }
    TraitKernelResult results;
    ComputeTraits(selections, present, m_male != 0, results);

    int changed = 0;
    for (int t = 0; t < kTraitCount; ++t) {
        CFateItem& item = m_traits[t];
        item.slotDelta = results.lastSlotDelta[t];
        item.score = results.score[t];
        item.prevNorm = item.norm;
        item.prevLevel = item.level;
        item.norm = results.norm[t];
        item.level = results.level[t];
        changed += item.prevNorm != item.norm ? 1 : 0;
    }
    const double agreement = results.agreement;
    const double magnitude = results.magnitude;

    auto level = [this](int t) { return static_cast<int>(m_traits[t].level); };
    m_prevTemperament = m_temperament;
    m_prevProfession = m_profession;
    m_temperament = TemperamentCode(level(kActi), level(kEner));
    m_profession = ProfessionCode(level(kEner), level(kMyse), level(kConf), level(kActi),
                                  level(kPeop), level(kInte));

    m_prevConfidence = m_confidence;
    m_confidence =
        ConfidenceLevel(kEvaluatedSlots, agreement, magnitude) * static_cast<double>(present) / 8;
    m_agreementSum = agreement;
    m_magnitudeSum = magnitude;
    m_presentSlots = present;

    AdjustLevels();

    if (withTypes) {
        ScoreAllPTypes(TypeInputs(), m_typeScores);
        m_typesPending = true;
    }
    return changed;
}

void CFateFrame::SyncTypes() const {
    if (!m_typesPending)
        return;
    m_typesPending = false;
    for (CPType& type : m_types) {
        type.accuracy = 0;
        type.score = m_typeScores[std::clamp(type.index, 0, kPTypeCount - 1)];
    }
    NormalisePTypes(m_types);
}

void CFateFrame::AdjustLevels() {
    auto L = [this](int t) { return m_traits[t].level; };
    auto add = [this](int t, int by) {
        m_traits[t].level = std::clamp(m_traits[t].level + by, 0.0, 6.0);
    };
    if (L(kConf) < 2 || L(kConf) > 5)
        add(kWork, -1);
    if (L(kEner) < 2)
        add(kInte, -1);
    if (L(kActi) > 4)
        add(kSoci, -1);
    if (L(kEner) < 2) {
        add(kLife, +1);
        add(kHeav, +1);
        add(kWork, -1);
    }
    if (L(kEner) > 4) {
        add(kLife, -1);
        add(kMyse, -1);
        add(kHeav, -1);
        add(kWork, +1);
    }
    if (L(kSoci) < 2) {
        add(kPeop, -1);
        add(kCowa, +1);
    }
    if (L(kSoci) > 4) {
        add(kPeop, +1);
        add(kCowa, -1);
    }
}

PTypeInputs CFateFrame::TypeInputs() const {
    auto v = [this](int t) { return GetIndicator(kTraitIndicators[t]).value; };
    return PTypeInputs{v(kActi), v(kEner), v(kConf), v(kSoci), v(kPeop), v(kMyse),
                       v(kHeav), v(kWork), v(kInte), v(kCowa), v(kSexu)};
}

CFateFrame::Indicator CFateFrame::GetIndicator(int id) const {
    switch (id) {
    case kIndicatorTemperament:
        return {m_temperament, m_temperament != m_prevTemperament};
    case kIndicatorProfession:
        return {m_profession, m_profession != m_prevProfession};
    case kIndicatorConfidence:
        return {static_cast<int>(m_confidence), m_confidence != m_prevConfidence};
    default:
        break;
    }
    const int t = std::max(TraitOfIndicator(id), 0);
    const CFateItem& item = m_traits[t];
    int value = item.Percent();
    if (t == kMyse || t == kHeav)
        value = 100 - value;
    return {value, item.IsChanged()};
}

int CFateFrame::IndicatorSlot(int id) {
    if (id >= 2510 && id <= 2590 && id % 10 == 0)
        return (id - 2510) / 10 + 1;
    if (id >= 2620 && id <= 2670 && id % 10 == 0)
        return (id - 2620) / 10 + 10;
    return 0;
}

std::array<int, 16> CFateFrame::GetAllIndicators() const {
    std::array<int, 16> all{};
    all[0] = GetIndicator(kIndicatorConfidence).value;
    for (int t = 0; t < kTraitCount; ++t)
        all[IndicatorSlot(kTraitIndicators[t])] = GetIndicator(kTraitIndicators[t]).value;
    return all;
}

const CFateItem& CFateFrame::GetTrait(int indexOrId) const {
    if (indexOrId >= 0 && indexOrId < kTraitCount)
        return m_traits[indexOrId];
    return m_traits[std::max(TraitOfIndicator(indexOrId), 0)];
}

CFateItem& CFateFrame::GetTrait(int indexOrId) {
    return const_cast<CFateItem&>(std::as_const(*this).GetTrait(indexOrId));
}

std::string CFateFrame::GetLevelText(const CFateItem& trait) {
    const int level = std::clamp(static_cast<int>(trait.level), 0, 6);
    if (trait.texts.size() > 6)
        return trait.texts[level];
    return {};
}

std::vector<std::string> CFateFrame::GetReportTexts() const {
    static constexpr int kReportOrder[] = {kActi, kEner, kLife, kConf, kSoci, kPeop, kWork,
                                           kCowa, kInte, kMyse, kHeav, kHumo, kChan, kSexu};
    std::vector<std::string> texts;
    for (int t : kReportOrder)
        texts.push_back(GetLevelText(m_traits[t]));
    return texts;
}

std::string CFateFrame::TemperamentName(int code, const StringOverride& strings) {
    return InterfaceName(static_cast<unsigned>(kTemperamentNameBase + code), "-", strings);
}

std::string CFateFrame::ProfessionName(int code, const StringOverride& strings) {
    return InterfaceName(static_cast<unsigned>(kProfessionNameBase + code), "-", strings);
}

std::string CFateFrame::TemperamentName() const {
    return TemperamentName(m_temperament, m_strings);
}

std::string CFateFrame::ProfessionName() const {
    return ProfessionName(m_profession, m_strings);
}

std::string CFateFrame::GetSummary() {
    m_summaryWords.clear();
    auto word = [this](unsigned id) {
        m_summaryWords.push_back(LoadInterfaceString(id, 81, m_strings));
    };
    if (m_confidence < 60) {
        word(2802); // "Not recognized"
    } else {
        const CFateItem& acti = m_traits[kActi];
        const CFateItem& ener = m_traits[kEner];
        if ((acti.IsLow() || acti.IsHigh()) && (ener.IsLow() || ener.IsHigh())) {
            switch (m_temperament) {
            case 0:
                word(2696);
                break;
            case 2:
                word(2694);
                break;
            case 4:
                word(2692);
                break;
            case 6:
                word(2690);
                break;
            default:
                break;
            }
        }
        int order[3] = {kLife, kConf, kSoci};
        auto distance = [this](int t) { return std::fabs(0.5 - m_traits[t].norm); };
        // Bubble sort, swapping only when the next is strictly farther, so
        // ties keep this order.
        for (int pass = 0; pass < 2; ++pass)
            for (int i = 0; i + 1 < 3 - pass; ++i)
                if (distance(order[i + 1]) > distance(order[i]))
                    std::swap(order[i], order[i + 1]);
        for (int t : order) {
            if (m_summaryWords.size() >= 3)
                break;
            const CFateItem& item = m_traits[t];
            const unsigned base = static_cast<unsigned>(kTraitIndicators[t]);
            if (item.IsLow())
                word(base + 2);
            else if (item.IsHigh())
                word(base + 4);
        }
    }
    std::string summary;
    for (std::size_t i = 0; i < m_summaryWords.size(); ++i) {
        if (i > 0)
            summary += ", ";
        summary += m_summaryWords[i];
    }
    return summary;
}

} // namespace mienlore
