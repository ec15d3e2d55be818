// The layer order of the sources, and the check that every quoted include of
// app/, cli/, tools/ and the run-time modules (webpane/, vidgrab/) follows it. This table is the
// one statement of the order; docs/ARCHITECTURE.md explains it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    std::string_view folder;
    int rank;
};

// The core (app/<folder>/), low to high. A core file may include files of its
// own folder and of folders with a lower rank; folders of the same rank do
// not see each other.
constexpr std::array kCoreLayers{
    Layer{"base", 0},    Layer{"resources", 1}, Layer{"model", 2},
    Layer{"imaging", 3}, Layer{"files", 4},     Layer{"analysis", 4},
    Layer{"gallery", 5}, Layer{"reports", 5},   Layer{"shell", 6},
};

// The Qt code (app/<folder>/ui/), above every core folder, low to high. The
// picture widgets of imaging/ui are shown by the pages of every other folder;
// shell/ui holds the main frame, which places everything.
constexpr std::array kUiLayers{
    Layer{"imaging", 1}, Layer{"model", 2},   Layer{"files", 3}, Layer{"analysis", 3},
    Layer{"gallery", 4}, Layer{"reports", 4}, Layer{"shell", 5},
};

// The shared Qt helpers in shell/ui (file names without extension): every ui/
// folder may use them, and they use only the core and each other.
constexpr std::array<std::string_view, 12> kSharedUi{
    "ColorButton",     "CommandIds",    "DialogTranslator", "DialogUnits",
    "QtColour",        "UiStrings",     "WaitDlg",          "StaticLink",
    "WidgetPlacement", "WebPaneLoader", "ButtonTextFit",    "BrowserLaunch",
};

// The modules the program loads at run time, each with the one header the
// program and the module share. A module includes nothing but its own
// folder; the Qt code may include a module's interface header.
struct Module {
    std::string_view folder;
    std::string_view interface;
};
constexpr std::array kModules{
    Module{"webpane", "webpane/WebPaneInterface.h"},
    Module{"vidgrab", "vidgrab/VidGrab.h"},
};

const Module* ModuleOf(const std::string& folder) {
    for (const auto& module : kModules)
        if (module.folder == folder)
            return &module;
    return nullptr;
}

template <std::size_t N>
std::optional<int> RankOf(const std::array<Layer, N>& layers, const std::string& folder) {
    for (const auto& layer : layers)
        if (layer.folder == folder)
            return layer.rank;
    return std::nullopt;
}

enum class Kind { Core, Ui, SharedUi, Cli, Tool, Module, Other };

struct Place {
    Kind kind = Kind::Other;
    std::string folder; // subsystem (core, ui) or tool name
};

// Where a source file (path relative to the repository) belongs.
Place PlaceOf(const fs::path& relative) {
    std::vector<std::string> parts;
    for (const auto& part : relative)
        parts.push_back(part.string());
    if (parts.size() >= 3 && parts[0] == "app") {
        if (parts.size() >= 4 && parts[2] == "ui") {
            if (parts[1] == "shell" && std::find(kSharedUi.begin(), kSharedUi.end(),
                                                 relative.stem().string()) != kSharedUi.end())
                return {Kind::SharedUi, "shell"};
            return {Kind::Ui, parts[1]};
        }
        return {Kind::Core, parts[1]};
    }
    if (!parts.empty() && parts[0] == "cli")
        return {Kind::Cli, {}};
    if (parts.size() >= 3 && parts[0] == "tools")
        return {Kind::Tool, parts[1]};
    if (!parts.empty() && ModuleOf(parts[0]))
        return {Kind::Module, parts[0]};
    return {};
}

std::string Describe(const Place& place) {
    switch (place.kind) {
    case Kind::Core:
        return "core " + place.folder;
    case Kind::Ui:
        return place.folder + "/ui";
    case Kind::SharedUi:
        return "the shared helpers of shell/ui";
    case Kind::Cli:
        return "cli";
    case Kind::Tool:
        return "tools/" + place.folder;
    case Kind::Module:
        return "module " + place.folder;
    case Kind::Other:
        break;
    }
    return "a file outside app/, cli/, tools/ and the modules";
}

// The file a quoted include names, relative to the repository: beside the
// including file first, then below app/, then below the repository (the build's
// include folders). An include of a file that does not exist is placed by its
// first folder, so that a header being written is checked too; one that names
// no folder of ours (a generated header) is not checked.
std::optional<fs::path> Resolve(const fs::path& root, const fs::path& from,
                                const std::string& name) {
    const fs::path candidates[] = {from.parent_path() / name, fs::path("app") / name,
                                   fs::path(name)};
    for (const auto& candidate : candidates)
        if (fs::is_regular_file(root / candidate))
            return candidate.lexically_normal();
    const fs::path named(name);
    if (named.begin() == named.end())
        return std::nullopt;
    const std::string first = named.begin()->string();
    if (RankOf(kCoreLayers, first) || fs::is_directory(root / "app" / first))
        return (fs::path("app") / named).lexically_normal();
    if (ModuleOf(first) || first == "cli" || first == "tools")
        return named.lexically_normal();
    return std::nullopt;
}

// Why an include from `from` of `to` (both relative to the repository) goes
// against the order, or nothing when it is allowed.
std::optional<std::string> Violation(const fs::path& from, const fs::path& to) {
    const Place source = PlaceOf(from);
    const Place target = PlaceOf(to);
    const std::string against = Describe(source) + " may not include " + Describe(target) + " (" +
                                to.generic_string() + ")";

    if (source.kind == Kind::Core && !RankOf(kCoreLayers, source.folder))
        return "core folder " + source.folder + " is not in the layer order";
    if (target.kind == Kind::Core && !RankOf(kCoreLayers, target.folder))
        return "core folder " + target.folder + " is not in the layer order";
    if (source.kind == Kind::Ui && !RankOf(kUiLayers, source.folder))
        return source.folder + "/ui is not in the layer order";
    if (target.kind == Kind::Ui && !RankOf(kUiLayers, target.folder))
        return target.folder + "/ui is not in the layer order";

    switch (source.kind) {
    case Kind::Core:
        if (target.kind == Kind::Core &&
            (target.folder == source.folder ||
             *RankOf(kCoreLayers, target.folder) < *RankOf(kCoreLayers, source.folder)))
            return std::nullopt;
        return against;
    case Kind::SharedUi:
        if (target.kind == Kind::Core || target.kind == Kind::SharedUi)
            return std::nullopt;
        if (target.kind == Kind::Module &&
            to.generic_string() == ModuleOf(target.folder)->interface)
            return std::nullopt;
        return against;
    case Kind::Ui:
        if (target.kind == Kind::Core || target.kind == Kind::SharedUi)
            return std::nullopt;
        if (target.kind == Kind::Module &&
            to.generic_string() == ModuleOf(target.folder)->interface)
            return std::nullopt;
        if (target.kind == Kind::Ui &&
            (target.folder == source.folder ||
             *RankOf(kUiLayers, target.folder) < *RankOf(kUiLayers, source.folder)))
            return std::nullopt;
        return against;
    case Kind::Cli:
        if (target.kind == Kind::Core || target.kind == Kind::Cli)
            return std::nullopt;
        return against;
    case Kind::Tool:
        if (target.kind == Kind::Core ||
            (target.kind == Kind::Tool && target.folder == source.folder))
            return std::nullopt;
        return against;
    case Kind::Module:
        if (target.kind == Kind::Module && target.folder == source.folder)
            return std::nullopt;
        return against;
    case Kind::Other:
        break;
    }
    return std::nullopt;
}

struct Finding {
    std::string where; // file:line
    std::string why;
};

std::vector<Finding> CheckFile(const fs::path& root, const fs::path& relative) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<Finding> findings;
    std::ifstream in(root / relative);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::smatch match;
        if (!std::regex_search(line, match, include))
            continue;
        const auto to = Resolve(root, relative, match[1].str());
        if (!to)
            continue;
        if (auto why = Violation(relative, *to))
            findings.push_back({relative.generic_string() + ":" + std::to_string(number), *why});
    }
    return findings;
}

bool IsSource(const fs::path& path) {
    static const std::array<std::string_view, 6> extensions{".h",  ".hpp", ".cpp",
                                                            ".cc", ".inl", ".inc"};
    const std::string ext = path.extension().string();
    return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

fs::path Root() {
    return fs::path(MIENLORE_SOURCE_DIR);
}

} // namespace

TEST(IncludeOrder, EveryIncludeFollowsTheLayerOrder) {
    const fs::path root = Root();
    int files = 0;
    std::vector<std::string> tops = {"app", "cli", "tools"};
    for (const auto& module : kModules)
        tops.emplace_back(module.folder);
    for (const std::string& top : tops) {
        ASSERT_TRUE(fs::is_directory(root / top)) << (root / top);
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            if (!entry.is_regular_file() || !IsSource(entry.path()))
                continue;
            ++files;
            for (const auto& finding : CheckFile(root, fs::relative(entry.path(), root)))
                ADD_FAILURE() << finding.where << ": " << finding.why;
        }
    }
    EXPECT_GT(files, 100);
}

struct Case {
    const char* from;
    const char* to;
    bool allowed;
};

void ExpectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(!Violation(c.from, c.to), c.allowed) << c.from << " -> " << c.to;
}

TEST(IncludeOrder, CoreIncludesPointDownOrWithinTheFolder) {
    ExpectCases({
        {"app/model/FaceFrame.cpp", "app/model/FaceItem.h", true},
        {"app/model/FaceFrame.cpp", "app/base/ProgramFolder.h", true},
        {"app/imaging/FaceCompositor.cpp", "app/model/FaceFrame.h", true},
        {"app/shell/HandOver.cpp", "app/files/ClipboardRecord.h", true},
        {"app/reports/Page.cpp", "app/analysis/FateFrame.h", true},
        {"app/model/FaceItemPict.cpp", "app/imaging/Devib.h", false},
        {"app/base/ProfileFile.cpp", "app/resources/LoadString.h", false},
        // Folders of the same rank do not see each other.
        {"app/files/StoredFace.cpp", "app/analysis/FateFrame.h", false},
        {"app/gallery/GallFace.cpp", "app/reports/WebReport.h", false},
        // The core never reaches Qt code, the plugin or the programs.
        {"app/shell/Params.cpp", "app/shell/ui/UiStrings.h", false},
        {"app/shell/Params.cpp", "webpane/WebPaneInterface.h", false},
        {"app/model/FaceFrame.cpp", "cli/CliCommand.h", false},
        // A new folder has to take its place in the order first.
        {"app/newthing/Thing.cpp", "app/base/AtomicFile.h", false},
        {"app/shell/Params.cpp", "app/newthing/Thing.h", false},
    });
    const auto up = Violation("app/model/FaceFrame.cpp", "app/shell/Params.h");
    ASSERT_TRUE(up);
    EXPECT_NE(up->find("core model may not include core shell"), std::string::npos) << *up;
}

TEST(IncludeOrder, UiFoldersSitAboveTheCoreAndUseTheSharedHelpers) {
    ExpectCases({
        {"app/files/ui/PeopList.cpp", "app/shell/Lang.h", true},
        {"app/files/ui/PeopList.cpp", "app/shell/ui/DialogTranslator.h", true},
        {"app/model/ui/PageFace.cpp", "app/imaging/ui/FaceWnd.h", true},
        {"app/shell/ui/MainFrame.cpp", "app/files/ui/PeopList.h", true},
        {"app/shell/ui/WebPaneLoader.cpp", "webpane/WebPaneInterface.h", true},
        {"app/shell/ui/DialogUnits.cpp", "app/shell/ui/UiStrings.h", true},
        {"app/files/ui/PeopList.cpp", "app/shell/ui/MainFrame.h", false},
        {"app/imaging/ui/FaceWnd.cpp", "app/model/ui/PictList.h", false},
        {"app/files/ui/PeopList.cpp", "app/analysis/ui/PageFate.h", false},
        {"app/shell/ui/DialogUnits.cpp", "app/shell/ui/MainFrame.h", false},
        {"app/shell/ui/View.cpp", "webpane/WebPanePlugin.h", false},
    });
}

TEST(IncludeOrder, ProgramsToolsAndThePluginKeepToTheirSide) {
    ExpectCases({
        {"cli/commands/Render.cpp", "app/imaging/FaceCompositor.h", true},
        {"cli/commands/Render.cpp", "cli/CliCommand.h", true},
        {"tools/faceart/main.cpp", "app/model/SlotCatalogue.h", true},
        {"tools/faceart/main.cpp", "tools/faceart/Pencil.h", true},
        {"webpane/WebPanePlugin.h", "webpane/WebPaneInterface.h", true},
        {"cli/commands/Render.cpp", "app/shell/ui/UiStrings.h", false},
        {"tools/faceart/main.cpp", "app/imaging/ui/DevibImage.h", false},
        {"tools/faceart/main.cpp", "tools/gallery/Gallery.h", false},
        {"webpane/WebPanePlugin.cpp", "app/shell/Params.h", false},
        {"webpane/WebPanePlugin.cpp", "vidgrab/VidGrab.h", false},
        {"app/imaging/ui/VideoModule.h", "vidgrab/VidGrab.h", true},
        {"app/imaging/VideoFrame.cpp", "vidgrab/VidGrab.h", false},
    });
}

TEST(IncludeOrder, IncludesResolveAsTheCompilerFindsThem) {
    const fs::path root = Root();
    EXPECT_EQ(Resolve(root, "webpane/WebPanePlugin.cpp", "WebPanePlugin.h"),
              fs::path("webpane/WebPanePlugin.h"));
    EXPECT_EQ(Resolve(root, "app/model/FaceFrame.cpp", "model/FaceFrame.h"),
              fs::path("app/model/FaceFrame.h"));
    EXPECT_EQ(Resolve(root, "app/shell/ui/WebPaneLoader.cpp", "webpane/WebPaneInterface.h"),
              fs::path("webpane/WebPaneInterface.h"));
    // A header not written yet is placed by its folder; a generated one is not checked.
    EXPECT_EQ(Resolve(root, "app/model/FaceFrame.cpp", "shell/NotYet.h"),
              fs::path("app/shell/NotYet.h"));
    EXPECT_FALSE(Resolve(root, "app/model/ui/PageFace.cpp", "ui_PageFace.h"));
}
