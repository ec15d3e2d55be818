// Fuzzes the readers of untrusted text: face codes (with the round trip
// decode -> encode -> decode as an invariant), stored list lines, profile
// (language) files, line splitting, hand-over records, window placements,
// 8-bit text, the analysis output and BMP pictures (with the round trip
// decode -> encode -> decode). The first byte picks the reader.
#include "analysis/AnalysisJson.h"
#include "analysis/FateFrame.h"
#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "imaging/BmpFile.h"
#include "model/FaceFrame.h"
#include "shell/HandOver.h"
#include "base/ProfileFile.h"
#include "base/TextEncoding.h"
#include "shell/WindowPlacement.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace mienlore;

static const char* kFolder = MIENLORE_PROGRAM_FOLDER;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int which = data[0] % 9;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    static CFaceFrame prototype(kFolder);
    static CFateFrame fate;
    switch (which) {
    case 0: {
        CFaceFrame face = prototype;
        if (face.Decode(text, true)) {
            const std::string code = face.Encode();
            CFaceFrame again = prototype;
            if (!again.Decode(code, true) || again.Encode() != code)
                std::abort(); // a decoded face must survive its own code
        }
        break;
    }
    case 1: {
        CFaceFrame face = prototype;
        std::string s(text);
        ApplyFaceCode(face, s);
        CFaceFrame scratch = prototype;
        ValidateStoredLine(text, scratch);
        std::string trailing;
        scratch.ValidateAndExtract(text, trailing);
        break;
    }
    case 2: {
        CProfileFile p;
        p.LoadFromText(text);
        p.GetString("Main", "Name", "x", 256);
        p.GetInt("Main", "Id", 3);
        p.Find("Strings", "100");
        break;
    }
    case 3: {
        auto r = SplitLines(text);
        (void)r;
        break;
    }
    case 4:
        ParseHandOverRecord(text);
        ParsePlacement(text);
        break;
    case 5: {
        const std::string u = Utf8From8Bit(text);
        Utf8Length(text);
        Utf8Prefix(text, 7);
        Utf8Prefix(u, 3);
        EqualsNoCase(text, u);
        break;
    }
    case 6: {
        std::string out;
        CFaceFrame face = prototype;
        AppendAnalysisJson(out, text, prototype, face, fate);
        break;
    }
    case 8: {
        CDevib picture;
        if (DecodeBmp(text, picture)) {
            CDevib again;
            if (!DecodeBmp(EncodeBmp(picture), again) || again.Width() != picture.Width() ||
                again.Height() != picture.Height() ||
                !std::equal(again.Pixels(), again.Pixels() + again.Count(), picture.Pixels()))
                std::abort(); // a decoded picture must survive its own file
        }
        break;
    }
    case 7: {
        CFaceFrame face = prototype;
        std::string s(text);
        face.DecodeAndStrip(s);
        face.DecodeMain(text);
        face.Decode(text, false);
        break;
    }
    }
    return 0;
}
