#include "model/FaceFrame.h"

#include "model/FaceCode.h"

#include <cstdio>
#include <memory>

namespace mienlore {

std::array<CFaceItem, kFaceSlotCount> CFaceFrame::MakeItems(const std::filesystem::path& folder) {
    auto shared = std::make_shared<const std::filesystem::path>(folder);
    return {CFaceItem(kFaceSlots[0], shared),  CFaceItem(kFaceSlots[1], shared),
            CFaceItem(kFaceSlots[2], shared),  CFaceItem(kFaceSlots[3], shared),
            CFaceItem(kFaceSlots[4], shared),  CFaceItem(kFaceSlots[5], shared),
            CFaceItem(kFaceSlots[6], shared),  CFaceItem(kFaceSlots[7], shared),
            CFaceItem(kFaceSlots[8], shared),  CFaceItem(kFaceSlots[9], shared),
            CFaceItem(kFaceSlots[10], shared), CFaceItem(kFaceSlots[11], shared)};
}

CFaceFrame::CFaceFrame(std::filesystem::path programFolder) : m_items(MakeItems(programFolder)) {}

void CFaceFrame::Clear() {
    for (CFaceItem& item : m_items) {
        if (item.Slot() == FaceSlot::CheekBones)
            continue;
        item.Hide();
    }
}

bool CFaceFrame::IsBlank() const {
    for (int i = 0; i < kMainSlotCount; ++i) {
        if (m_items[i].Slot() == FaceSlot::CheekBones)
            continue;
        if (!m_items[i].IsEmpty())
            return false;
    }
    return true;
}

int CFaceFrame::HitTest(int x, int y) const {
    static constexpr FaceSlot kOrder[] = {
        FaceSlot::Eyes,    FaceSlot::Eyebrows,  FaceSlot::Nose,     FaceSlot::Lips,
        FaceSlot::Ears,    FaceSlot::Chin,      FaceSlot::Forehead, FaceSlot::CheekBones,
        FaceSlot::Glasses, FaceSlot::Moustache, FaceSlot::Beard,    FaceSlot::Hair,
    };
    for (FaceSlot slot : kOrder) {
        const CFaceItem& item = Slot(slot);
        // Only a pair draws a right picture; the right rectangle of a single
        // picture is never set.
        if (item.pict[0].drawnRect.Contains(x, y) ||
            (item.IsPaired() && item.pict[1].drawnRect.Contains(x, y)))
            return static_cast<int>(slot);
    }
    return 0;
}

std::string EncodeSlot(const CFaceItem& item) {
    char code[64];
    std::snprintf(code, sizeof code, "%s%02d%02d%03d%03d", item.Tag(), item.GetShape(),
                  item.GetVariant(), item.IsSized() ? item.GetSize() : item.GetPosX(),
                  item.GetPosY());
    return code;
}

std::string CFaceFrame::Encode(std::string_view trailing) const {
    std::string code;
    code.reserve(11 * kSlotCodeLength + 1 + trailing.size());
    for (int i = 0; i < kFaceSlotCount; ++i) {
        if (m_items[i].Slot() == FaceSlot::Glasses)
            continue;
        code += EncodeSlot(m_items[i]);
    }
    code += ';';
    code += trailing;
    return code;
}

bool DecodeSlot(CFaceItem& item, std::string_view text, bool apply, bool loadPictures) {
    const std::size_t at = text.find(item.Tag());
    std::array<int, 4> n{};
    if (at == std::string_view::npos ||
        ScanSlotNumbers(text, at + std::char_traits<char>::length(item.Tag()), n) < 4) {
        if (apply)
            item.Reset();
        return false;
    }
    if (apply) {
        item.SetShape(n[0]);
        item.SetVariant(n[1]);
        if (item.IsSized())
            item.SetSize(n[2]);
        else
            item.SetPosX(n[2]);
        item.SetPosY(n[3]);
        if (loadPictures)
            item.Reload();
    }
    return true;
}

bool CFaceFrame::Decode(std::string_view text, bool apply) {
    CFaceItem& moustache = Slot(FaceSlot::Moustache);
    const bool hasAccessories = DecodeSlot(moustache, text, false, false);
    for (int i = 0; i < kMainSlotCount; ++i) {
        if (!DecodeSlot(m_items[i], text, apply, true))
            return false;
    }
    // Checking a code must not change the face: the accessory and glasses
    // resets belong to applying it.
    if (!apply)
        return true;
    if (hasAccessories) {
        DecodeSlot(Slot(FaceSlot::Hair), text, true, true);
        DecodeSlot(moustache, text, true, true);
        DecodeSlot(Slot(FaceSlot::Beard), text, true, true);
    } else {
        Slot(FaceSlot::Hair).Reset();
        moustache.Reset();
        Slot(FaceSlot::Beard).Reset();
    }
    Slot(FaceSlot::Glasses).Reset();
    return true;
}

bool CFaceFrame::DecodeMain(std::string_view text) {
    for (int i = 0; i < kMainSlotCount; ++i) {
        if (!DecodeSlot(m_items[i], text, true, false))
            return false;
    }
    return true;
}

bool CFaceFrame::DecodeAndStrip(std::string& text) {
    const bool ok = Decode(text, true);
    const std::size_t semicolon = text.find(';');
    if (semicolon != std::string::npos)
        text.erase(0, semicolon + 1);
    return ok;
}

bool CFaceFrame::ValidateAndExtract(std::string_view text, std::string& trailing) {
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos)
        return false;
    if (!Decode(text, false))
        return false;
    trailing.assign(text.substr(semicolon + 1));
    return true;
}

std::string FaceArgumentCode(std::string_view argument,
                             const std::filesystem::path& programFolder) {
    if (argument == kNewFaceWord)
        return CFaceFrame(programFolder).Encode();
    return std::string(argument);
}

} // namespace mienlore
