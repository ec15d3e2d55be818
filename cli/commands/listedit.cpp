// mienlore-cli add FILE --name NAME CODE: appends a face to a face list;
// mienlore-cli del FILE POSITION: deletes the face at that position.
// Both rewrite the list as the program does (a temporary file renamed over
// it), keep its lines that are not faces, and refuse a file that is not a
// face list.
#include "CliArgs.h"
#include "CliCommand.h"

#include "base/ProgramFolder.h"
#include "files/LineFile.h"
#include "files/PeopListModel.h"
#include "model/FaceFrame.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace mienlore::cli {
namespace {

// The list is edited without a face page: nothing is ever picked.
class ConsoleHost : public IFaceListHost {
public:
    ConsoleHost() : m_face(ExecutableFolder()) {}
    bool IsSlotSelected() const override { return false; }
    CFaceFrame& CurrentFace() override { return m_face; }
    void FaceChanged() override {}

private:
    CFaceFrame m_face;
};

int Fail(const char* command, const std::string& message, int status = 1) {
    std::fprintf(stderr, "mienlore-cli %s: %s\n", command, message.c_str());
    return status;
}

// Loads the list; an empty text when it became the model's list.
std::string Load(CPeopListModel& model, const std::filesystem::path& path) {
    using Outcome = CPeopListModel::LoadOutcome;
    switch (model.LoadList(path).outcome) {
    case Outcome::Loaded:
    case Outcome::EmptyFile:
        return {};
    case Outcome::TooLarge:
        return path.string() + " is larger than " +
               std::to_string(kMaxLineFileBytes / (1024 * 1024)) + " MB";
    case Outcome::NotAList:
        return path.string() + " holds no face line: it is not a face list";
    default:
        return "cannot read " + path.string();
    }
}

// Line number (from 0) of an entry in the written file: deleted entries are
// not written.
std::size_t LineOf(const CPeopListModel& model, int position) {
    std::size_t line = 0;
    for (int i = 0; i < position; ++i)
        line += model.Entries()[static_cast<std::size_t>(i)].empty() ? 0 : 1;
    return line;
}

int RunAdd(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {}, {"--name"});
    if (!parsed.error.empty())
        return Fail("add", parsed.error, 2);
    if (parsed.operands.size() != 2)
        return Fail("add", "needs a list file and one face code", 2);
    const std::filesystem::path path = parsed.operands[0];
    const std::string& code = parsed.operands[1];
    const std::string name = parsed.Value("--name", "Noname");

    ConsoleHost host;
    if (!host.CurrentFace().Decode(FaceArgumentCode(code, host.CurrentFace().ProgramFolder()),
                                   true))
        return Fail("add", "not a face code: " + code);
    CPeopListModel model(host);
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        if (const std::string problem = Load(model, path); !problem.empty())
            return Fail("add", problem);
    } else if (const WriteResult created = model.SaveAs(path); !created) {
        return Fail("add", "cannot create " + path.string() + ": " + created.error);
    }
    if (const WriteResult written = model.Add(name); !written)
        return Fail("add", "cannot write " + path.string() + ": " + written.error);
    std::printf("%zu\n", LineOf(model, static_cast<int>(model.Entries().size()) - 1));
    return 0;
}

int RunDel(const std::vector<std::string>& args) {
    const CliArgs parsed = ParseCliArgs(args, {}, {});
    if (!parsed.error.empty())
        return Fail("del", parsed.error, 2);
    if (parsed.operands.size() != 2)
        return Fail("del", "needs a list file and a position", 2);
    const std::filesystem::path path = parsed.operands[0];
    const std::string& text = parsed.operands[1];
    char* end = nullptr;
    const long wanted = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || wanted < 0)
        return Fail("del", "the position must be a line number from 0, as list prints it", 2);

    ConsoleHost host;
    CPeopListModel model(host);
    if (const std::string problem = Load(model, path); !problem.empty())
        return Fail("del", problem);
    // The position counts the file's lines as list does, empty ones too;
    // the model's entries leave empty lines out.
    const LineReadResult read = ReadLines(path);
    if (static_cast<std::size_t>(wanted) >= read.lines.size())
        return Fail("del", "no line " + text + " in " + path.string());
    if (read.RawLine(static_cast<std::size_t>(wanted)).empty())
        return Fail("del", "line " + text + " is empty");
    int entry = 0;
    for (long i = 0; i < wanted; ++i)
        entry += read.RawLine(static_cast<std::size_t>(i)).empty() ? 0 : 1;
    const auto& items = model.Items();
    int item = -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].position == entry)
            item = static_cast<int>(i);
    if (item < 0)
        return Fail("del", "line " + text + " is not a face; it is left as it is");
    model.SelectItem(item);
    if (const WriteResult written = model.Del(); !written)
        return Fail("del", "cannot write " + path.string() + ": " + written.error);
    return 0;
}

CliCommandRegistration add{{"add", "FILE [--name NAME] CODE",
                            "append a face to a face list (.phy; a missing file is created); "
                            "prints the new entry's position",
                            &RunAdd}};
CliCommandRegistration del{{"del", "FILE POSITION",
                            "delete the face at POSITION (the line number from 0 that list "
                            "prints) from a face list",
                            &RunDel}};

} // namespace
} // namespace mienlore::cli
