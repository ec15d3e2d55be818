// mienlore-cli run as a user or a script would: the argument rules every
// command follows, the limits of render, and editing face lists with add and
// del.
#include "files/LineFile.h"
#include "imaging/BmpFile.h"
#include "imaging/Devib.h"
#include "imaging/PngFile.h"
#include "model/FaceFrame.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

using namespace mienlore;
using mienlore::test::ReadFileBytes;
using mienlore::test::TempDir;
using mienlore::test::WriteFileBytes;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Result Cli(const std::vector<std::string>& args) {
    static TempDir scratch;
    std::string command = Quoted((test::ProgramFolder() / "mienlore-cli").string());
    // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict, a false
    // positive) on a string literal added to a temporary std::string.
    for (const std::string& a : args)
        command.append(" ").append(Quoted(a));
    command.append(" >").append(Quoted((scratch / "out").string()));
    command.append(" 2>").append(Quoted((scratch / "err").string()));
    command.append(" </dev/null");
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadFileBytes(scratch / "out");
    r.err = ReadFileBytes(scratch / "err");
    return r;
}

std::string Code(int eyes) {
    CFaceFrame face(test::ProgramFolder());
    face.Slot(FaceSlot::Eyes).SetShape(eyes);
    return face.Encode();
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    std::istringstream help(Cli({"--help"}).out);
    std::string line;
    while (std::getline(help, line))
        if (line.size() > 2 && line[0] == ' ' && line[1] == ' ' && line[2] >= 'a' && line[2] <= 'z')
            names.push_back(line.substr(2, line.find(' ', 2) - 2));
    return names;
}

} // namespace

TEST(CliArguments, CommandsRefuseAnUnknownOptionWithTheirUsageLine) {
    // Every command the help lists follows the same argument rules.
    const std::vector<std::string> names = CommandNames();
    ASSERT_GE(names.size(), 17u);
    for (const std::string& name : names) {
        // Alone, and after an operand: never taken as a face code or a file.
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{name, "--no-such-option"},
              std::vector<std::string>{name, "x", "--no-such-option", "y"}}) {
            const Result r = Cli(args);
            EXPECT_EQ(r.status, 2) << name << ": " << r.err;
            EXPECT_THAT(r.err, HasSubstr("--no-such-option")) << name;
            EXPECT_THAT(r.err, HasSubstr("usage: mienlore-cli " + name)) << name;
            EXPECT_EQ(r.err.find("usage:"), r.err.rfind("usage:")) << name << ": said twice";
        }
    }
}

TEST(CliArguments, OptionsMayFollowTheOperands) {
    TempDir dir;
    const Result female = Cli({"analyse", Code(2), "--female"});
    EXPECT_EQ(female.status, 0) << female.err;
    EXPECT_EQ(std::count(female.out.begin(), female.out.end(), '\n'), 1); // one face analysed
    const Result render = Cli({"render", "new", "-o", (dir / "f.png").string(), "--size", "60x50"});
    EXPECT_EQ(render.status, 0) << render.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "f.png"));
    // "--" ends the options.
    EXPECT_EQ(Cli({"list", "-missing.phy"}).status, 2);
    EXPECT_EQ(Cli({"list", "--", "-missing.phy"}).status, 1);
    EXPECT_EQ(Cli({"render", "-o", (dir / "g.png").string(), "--", "new"}).status, 0);
    CDevib picture;
    ASSERT_TRUE(picture.Create(8, 8));
    WriteFileBytes(dir / "-dash.bmp", EncodeBmp(picture));
    const Result dashed = Cli({"photo", "--size", "20x20", "-o", (dir / "p.png").string(), "--",
                               (dir / "-dash.bmp").string()});
    EXPECT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(Cli({"photo", "-o", (dir / "p.png").string(), "--", "a.bmp", "b.bmp"}).status, 2);
}

// A working call of a command: its operands, options that change what it
// prints, and one option that takes a value.
struct WorkingCall {
    std::string command;
    std::vector<std::string> operands;
    std::vector<std::string> options;
    std::string valued; // empty when the command takes no option with a value
};

std::vector<WorkingCall> WorkingCalls() {
    const std::string gallery = (test::ProgramFolder() / "Gallery").string();
    return {
        {"figures",
         {},
         {"--faces", "1", "--seed", "5", "--size", "300x300", "--smooth", "3", "--bare"},
         "--faces"},
        {"find-face",
         {Code(2)},
         {"--seed", "3", "--female", "--target", "2530=80", "--target", "2550=100"},
         "--seed"},
        {"gallery", {gallery}, {}, ""},
        {"likeness", {Code(1), Code(2)}, {}, ""},
        {"map",
         {},
         {"--dims", "2530,2550", "--current", Code(2), "--gallery", gallery},
         "--current"},
        {"page", {"text", Code(2)}, {"--style", "0", "--female"}, "--style"},
        {"match-score",
         {Code(2)},
         {"--female", "--target", "2530=80", "--target", "2590=100"},
         "--target"},
        {"similar", {Code(2)}, {"--gallery", gallery}, "--fac-list"},
    };
}

std::vector<std::string> Joined(const std::string& command,
                                std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> args{command};
    for (const std::vector<std::string>& part : parts)
        args.insert(args.end(), part.begin(), part.end());
    return args;
}

TEST(CliArguments, OptionsStandAnywhereAndUnknownOnesAreNeverOperands) {
    for (const WorkingCall& call : WorkingCalls()) {
        const std::string& name = call.command;
        const Result before = Cli(Joined(name, {call.options, call.operands}));
        ASSERT_EQ(before.status, 0) << name << ": " << before.err;
        ASSERT_FALSE(before.out.empty()) << name;
        // After the operands, and with "--" before them, the same output.
        EXPECT_EQ(Cli(Joined(name, {call.operands, call.options})).out, before.out) << name;
        EXPECT_EQ(Cli(Joined(name, {call.options, {"--"}, call.operands})).out, before.out) << name;

        // An unknown option, before or after the operands, is refused before
        // anything is printed: not a face code, folder or file.
        for (const std::vector<std::string>& args :
             {Joined(name, {call.options, call.operands, {"--no-such-option"}}),
              Joined(name, {{"--no-such-option"}, call.options, call.operands})}) {
            const Result r = Cli(args);
            EXPECT_EQ(r.status, 2) << name;
            EXPECT_EQ(r.out, "") << name;
            EXPECT_THAT(r.err, HasSubstr("unknown option --no-such-option")) << name;
            EXPECT_THAT(r.err, HasSubstr("usage: mienlore-cli " + name)) << name;
            EXPECT_THAT(r.err, Not(HasSubstr("not a"))) << name << ": " << r.err;
        }
        if (!call.valued.empty()) {
            const Result r = Cli(Joined(name, {call.operands, call.options, {call.valued}}));
            EXPECT_EQ(r.status, 2) << name;
            EXPECT_EQ(r.out, "") << name;
            EXPECT_THAT(r.err, HasSubstr(call.valued + " needs a value")) << name;
        }
    }
}

TEST(CliArguments, ImageSizesKeepEachCommandsBounds) {
    TempDir dir;
    const auto out = (dir / "f.png").string();
    // render draws from one pixel a side, figures from 50; none beyond 4000.
    EXPECT_EQ(Cli({"render", "new", "-o", out, "--size", "1x1"}).status, 0);
    EXPECT_EQ(Cli({"render", "new", "-o", out, "--size", "4001x10"}).status, 2);
    EXPECT_EQ(Cli({"render", "new", "-o", out, "--size", "0x10"}).status, 2);
    EXPECT_EQ(Cli({"render", "new", "-o", out, "--size", "10X20"}).status, 0);
    for (const char* bad : {"10", "x10", "10x", "10x10x10", "axb", "10x-5", "49x100"}) {
        const Result r = Cli({"figures", "--faces", "0", "--size", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_THAT(r.err, HasSubstr("--size needs WIDTHxHEIGHT (50..4000 each)")) << bad;
    }
    const Result fig = Cli({"figures", "--faces", "0", "--smooth", "0", "--size", "50X4000"});
    EXPECT_EQ(fig.status, 0) << fig.err;
    EXPECT_THAT(fig.out, HasSubstr("at 50x4000"));
}

TEST(CliArguments, TraitTargetsBeyondTheRangeOfIntAreRefused) {
    // 2^32 + 2530 and 2^32 + 80 must not pass for trait 2530 at 80.
    EXPECT_EQ(Cli({"match-score", "--target", "2530=80", "new"}).status, 0);
    for (const char* target : {"4294969826=80", "2530=4294967376", "2530=-4294967216"}) {
        const Result r = Cli({"match-score", "--target", target, "new"});
        EXPECT_EQ(r.status, 2) << target;
        EXPECT_THAT(r.err, HasSubstr(std::string("bad --target ") + target));
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliLimits, RenderRefusesPicturesBeyondTheLimitBeforeDrawing) {
    TempDir dir;
    const Result r =
        Cli({"render", "--sheet", "400", "--size", "4000x4000", "-o", (dir / "s.png").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr("million pixels"));
    EXPECT_FALSE(std::filesystem::exists(dir / "s.png"));
    EXPECT_EQ(
        Cli({"render", "--size", "4000x4000", "new", "-o", (dir / "one.bmp").string()}).status, 0);
}

TEST(CliListEdit, AddAndDelKeepWhatIsNotAFaceAndRefuseFilesThatAreNotLists) {
    TempDir dir;
    const auto list = dir / "l.phy";
    // A missing list is created.
    Result r = Cli({"add", list.string(), "--name", "Anna", Code(1)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0\n");
    EXPECT_EQ(ReadFileBytes(list), Code(1) + "Anna\r\n");

    WriteFileBytes(list, ReadFileBytes(list) + "# a note\r\n");
    r = Cli({"add", list.string(), Code(2), "--name", "Bob; Jr."});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(ReadFileBytes(list), Code(1) + "Anna\r\n# a note\r\n" + Code(2) + "Bob; Jr.\r\n");

    EXPECT_EQ(Cli({"del", list.string(), "1"}).status, 1); // the note is not a face
    r = Cli({"del", list.string(), "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(list), "# a note\r\n" + Code(2) + "Bob; Jr.\r\n");
    EXPECT_EQ(Cli({"del", list.string(), "7"}).status, 1);
    EXPECT_EQ(Cli({"del", list.string(), "first"}).status, 2);
    EXPECT_EQ(Cli({"add", list.string(), "nonsense"}).status, 1);

    // A picture is not a list: refused, and left as it was.
    CDevib picture;
    ASSERT_TRUE(picture.Create(8, 8));
    std::string png;
    ASSERT_TRUE(EncodePng(picture, png));
    WriteFileBytes(dir / "p.phy", png);
    r = Cli({"add", (dir / "p.phy").string(), Code(3)});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("not a face list"));
    EXPECT_EQ(ReadFileBytes(dir / "p.phy"), png);
    r = Cli({"list", (dir / "p.phy").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("not a face list"));
    EXPECT_EQ(r.out, "");
}

TEST(CliArguments, EveryCommandPrintsItsUsageForHelp) {
    const std::vector<std::string> names = CommandNames();
    ASSERT_GE(names.size(), 17u);
    for (const std::string& name : names) {
        // Alone, and among other arguments.
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{name, "--help"},
              std::vector<std::string>{name, "x", "-h", "--no-such-option"}}) {
            const Result r = Cli(args);
            EXPECT_EQ(r.status, 0) << name << ": " << r.err;
            EXPECT_EQ(r.out.rfind("usage: mienlore-cli " + name + " ", 0), 0u) << name << r.out;
            EXPECT_EQ(r.err, "") << name;
        }
        // After "--" it is an operand like any other.
        EXPECT_NE(Cli({name, "--", "--help"}).status, 0) << name;
    }
}

TEST(CliArguments, NewStandsForTheNewFaceWhereverACodeIsTaken) {
    const std::string fresh = CFaceFrame(test::ProgramFolder()).Encode();
    const Result byWord = Cli({"analyse", "new"});
    const Result byCode = Cli({"analyse", fresh});
    ASSERT_EQ(byWord.status, 0) << byWord.err;
    EXPECT_THAT(byWord.out, HasSubstr("\"valid\":true"));
    // The same analysis; only the echoed code differs.
    EXPECT_EQ(byWord.out.substr(byWord.out.find("\"valid\"")),
              byCode.out.substr(byCode.out.find("\"valid\"")));
    EXPECT_EQ(Cli({"likeness", "new", fresh}).out, "55\n");

    const std::string gallery = (test::ProgramFolder() / "Gallery").string();
    EXPECT_EQ(Cli({"similar", "--gallery", gallery, "new"}).out,
              Cli({"similar", "--gallery", gallery, fresh}).out);
    EXPECT_EQ(Cli({"match-score", "--target", "2530=80", "new"}).out,
              Cli({"match-score", "--target", "2530=80", fresh}).out);

    TempDir dir;
    const Result added = Cli({"add", (dir / "l.phy").string(), "new", "--name", "Anna"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(ReadFileBytes(dir / "l.phy"), fresh + "Anna\r\n");
}
