// mienlore-cli analyse [--female] CODE... : the character analysis of face
// codes, one JSON object per line. With --list FILE, the valid entries of a
// face list are analysed too, each line with the entry's "name".
#include "CliArgs.h"
#include "CliCommand.h"

#include "analysis/AnalysisJson.h"
#include "analysis/FateFrame.h"
#include "base/ProgramFolder.h"
#include "files/LineFile.h"
#include "files/StoredFace.h"
#include "model/FaceFrame.h"

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

    // The analysis of a stored face, with its name as the first member.
    void AnalyseNamed(std::string_view code, std::string_view name) {
        std::string one;
        AppendAnalysisJson(one, code, m_prototype, m_face, m_fate);
        std::string member = "\"name\":";
        AppendJsonString(member, name);
        one.insert(1, member + ",");
        m_out += one;
        if (m_out.size() > (1 << 15))
            Flush();
    }

    // Every valid entry of a face list; false when the file cannot be read.
    bool AnalyseList(const std::string& path) {
        const LineReadResult read = ReadLines(path);
        if (!read.opened)
            return false;
        for (const std::string& line : read.lines)
            if (!line.empty() && ValidateStoredLine(line, m_face))
                AnalyseNamed(StoredFaceCode(line), StoredFaceName(line));
        return true;
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
    const CliArgs parsed = ParseCliArgs(args, {"--female"}, {"--list"});
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "mienlore-cli analyse: %s\n", parsed.error.c_str());
        return 2;
    }
    const bool female = parsed.Has("--female");
    const std::vector<std::string>& codes = parsed.operands;
    const auto listIt = parsed.values.find("--list");
    const std::vector<std::string> lists =
        listIt == parsed.values.end() ? std::vector<std::string>{} : listIt->second;
    if (codes.empty() && lists.empty()) {
        std::fprintf(stderr, "mienlore-cli analyse: no face code (or - for standard input, one "
                             "code per line)\n");
        return 2;
    }
    Analyser analyser(female);
    bool unreadable = false;
    for (const std::string& list : lists) {
        if (!analyser.AnalyseList(list)) {
            std::fprintf(stderr, "mienlore-cli: cannot read %s\n", list.c_str());
            unreadable = true;
        }
    }
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
    return analyser.AnyInvalid() || unreadable ? 1 : 0;
}

CliCommandRegistration reg{{"analyse", "[--female] [--list FILE] CODE... | -",
                            "analyse face codes (- reads one per line from standard input) and "
                            "the valid entries of face lists (with their \"name\"); prints one "
                            "JSON object per line",
                            &Run}};

} // namespace
} // namespace mienlore::cli
