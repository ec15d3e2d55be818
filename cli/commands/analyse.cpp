// mienlore-cli analyse [--female] CODE... : the character analysis of face
// codes, one JSON object per line.
#include "CliCommand.h"

#include "analysis/AnalysisJson.h"
#include "analysis/FateFrame.h"
#include "model/FaceFrame.h"
#include "shell/ProgramFolder.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace mienlore::cli {
namespace {

class Analyser {
public:
    explicit Analyser(bool female)
        : m_prototype(ExecutableFolder()), m_face(m_prototype), m_fate() {
        m_fate.SetMale(!female);
        m_out.reserve(1 << 16);
    }

    void Analyse(std::string_view code) {
        if (!AppendAnalysisJson(m_out, code, m_prototype, m_face, m_fate))
            m_anyInvalid = true;
        if (m_out.size() > (1 << 15))
            Flush();
    }

    void Flush() {
        std::fwrite(m_out.data(), 1, m_out.size(), stdout);
        m_out.clear();
    }

    bool AnyInvalid() const { return m_anyInvalid; }

private:
    CFaceFrame m_prototype;
    CFaceFrame m_face;
    CFateFrame m_fate;
    std::string m_out;
    bool m_anyInvalid = false;
};

int Run(const std::vector<std::string>& args) {
    bool female = false;
    std::vector<std::string> codes;
    for (const std::string& arg : args) {
        if (arg == "--female" && codes.empty())
            female = true;
        else
            codes.push_back(arg);
    }
    if (codes.empty()) {
        std::fprintf(stderr, "usage: mienlore-cli analyse [--female] CODE... (or - for standard "
                             "input, one code per line)\n");
        return 2;
    }
    Analyser analyser(female);
    for (const std::string& code : codes) {
        if (code != "-") {
            analyser.Analyse(code);
            continue;
        }
        std::ios::sync_with_stdio(false);
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            analyser.Analyse(line);
        }
        std::cin.clear();
    }
    analyser.Flush();
    std::fflush(stdout);
    return analyser.AnyInvalid() ? 1 : 0;
}

CliCommandRegistration reg{{"analyse", "[--female] CODE... | -",
                            "analyse face codes (- reads one per line from standard input); "
                            "prints one JSON object per line",
                            &Run}};

} // namespace
} // namespace mienlore::cli
