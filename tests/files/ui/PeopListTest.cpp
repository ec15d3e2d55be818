#include "files/ui/PeopList.h"
#include "files/LineFile.h"
#include "files/ui/InputNameDlg.h"
#include "model/FaceFrame.h"
#include "support/FaceTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

using FakeHost = FakeFaceListHost;

std::string Line(int eyes, const std::string& name) {
    return FaceLine(FaceSlot::Eyes, eyes, name);
}

QStringList BoxNames(const CPeopList& list) {
    QStringList names;
    for (int i = 0; i < list.NameBox()->count(); ++i)
        names << list.NameBox()->itemText(i);
    return names;
}

struct Panel {
    FakeHost host;
    QStringList errors;
    QStringList questions;
    bool answer = true;
    CPeopList list{host, test::ProgramFolder(), nullptr};
    Panel() {
        list.SetErrorReporter([this](const QString& e) { errors << e; });
        list.SetQuestion([this](const QString& q) {
            questions << q;
            return answer;
        });
    }
};

} // namespace

TEST(PeopList, ButtonsCarryIdsTooltipsAndStartStates) {
    Panel p;
    EXPECT_EQ(p.list.Button(CPeopList::kReadId)->toolTip(),
              QStringLiteral("Read to List (Ctrl+O)"));
    EXPECT_EQ(p.list.Button(CPeopList::kAddId)->toolTip(),
              QStringLiteral("Add to List (Ctrl+'+')"));
    EXPECT_EQ(p.list.Button(CPeopList::kKeysId)->text(), QStringLiteral("Keys"));
    EXPECT_FALSE(p.list.Button(CPeopList::kKeysId)->isEnabled());
    EXPECT_FALSE(p.list.Button(CPeopList::kImgId)->isEnabled());
    EXPECT_TRUE(p.list.Button(CPeopList::kDelId)->isEnabled());
    p.list.SetKeysAvailable(true);
    EXPECT_TRUE(p.list.Button(CPeopList::kKeysId)->isEnabled());
}

TEST(PeopList, ReadsSortsAndPicksTheFirstName) {
    TempDir dir;
    WriteFileBytes(dir / "a.phy", Line(3, "Zoe") + "\r\n" + "junk\r\n" + Line(5, "adam") + "\n");
    Panel p;
    EXPECT_EQ(p.list.LoadList(QString::fromStdString((dir / "a.phy").string())), 3);
    EXPECT_EQ(BoxNames(p.list), (QStringList{"adam", "Zoe"}));
    EXPECT_EQ(p.list.NameBox()->itemData(0).toInt(), 2); // "junk" keeps its place
    EXPECT_EQ(p.list.NameBox()->currentText(), QStringLiteral("adam"));
    EXPECT_EQ(p.host.face.Slot(FaceSlot::Eyes).GetShape(), 5);
    ASSERT_EQ(p.errors.size(), 1); // the line kept aside is told
    EXPECT_TRUE(p.errors[0].startsWith(QStringLiteral("1 line of the face list")));

    // Picking by the user applies the other entry.
    int picked = 0;
    QObject::connect(&p.list, &CPeopList::facePicked, [&] { ++picked; });
    p.list.NameBox()->activated(1);
    EXPECT_EQ(p.host.face.Slot(FaceSlot::Eyes).GetShape(), 3);
    EXPECT_EQ(picked, 1);
    EXPECT_EQ(p.list.NameBox()->currentText(), QStringLiteral("Zoe"));
}

TEST(PeopList, AddAndDeleteRewriteTheFileAndReadBack) {
    TempDir dir;
    const auto path = dir / "list.phy";
    WriteFileBytes(path, Line(1, "Anna") + "\r\n");
    Panel p;
    p.list.LoadList(QString::fromStdString(path.string()));
    p.host.face.Slot(FaceSlot::Eyes).SetShape(7);
    ASSERT_TRUE(p.list.AddNamed(QStringLiteral("Bob")));
    EXPECT_EQ(BoxNames(p.list), (QStringList{"Anna", "Bob"}));
    EXPECT_EQ(ReadFileBytes(path), Line(1, "Anna") + "\r\n" + Line(7, "Bob") + "\r\n");

    p.list.NameBox()->activated(0); // the user picks "Anna"
    p.answer = false;               // ...and does not confirm the deletion
    EXPECT_FALSE(p.list.DeleteEntry());
    EXPECT_EQ(BoxNames(p.list), (QStringList{"Anna", "Bob"}));
    ASSERT_EQ(p.questions.size(), 1);
    EXPECT_TRUE(p.questions[0].contains(QStringLiteral("Anna")));
    p.answer = true;
    ASSERT_TRUE(p.list.DeleteEntry());
    EXPECT_EQ(BoxNames(p.list), (QStringList{"Bob"}));
    EXPECT_EQ(ReadFileBytes(path), Line(7, "Bob") + "\r\n");
    // Anna's face stays; the name box shows no other person's name over it.
    EXPECT_EQ(p.host.face.Slot(FaceSlot::Eyes).GetShape(), 1);
    EXPECT_EQ(p.list.NameBox()->currentText(), QString());

    Panel again;
    again.list.LoadList(QString::fromStdString(path.string()));
    EXPECT_EQ(BoxNames(again.list), (QStringList{"Bob"}));
    EXPECT_EQ(again.host.face.Slot(FaceSlot::Eyes).GetShape(), 7);
}

TEST(PeopList, FilesThatFailAreReportedNotSilentlyDropped) {
    TempDir dir;
    Panel p;
    p.list.LoadList(QString::fromStdString((dir / "missing.phy").string()));
    ASSERT_EQ(p.errors.size(), 1);
    EXPECT_TRUE(p.errors[0].contains(QStringLiteral("could not be read")));

    // A list whose file cannot be written: the failure is shown and the
    // name box keeps what the file holds.
    p.errors.clear();
    ASSERT_TRUE(p.list.SaveListTo(QString::fromStdString((dir / "l.phy").string())));
    std::filesystem::remove(dir / "l.phy");
    std::filesystem::create_directory(dir / "l.phy"); // the name is taken by a folder
    WriteFileBytes(dir / "l.phy" / "x", "x");
    EXPECT_FALSE(p.list.AddNamed(QStringLiteral("Lost")));
    EXPECT_EQ(BoxNames(p.list), QStringList());
    EXPECT_EQ(p.list.NameBox()->currentText(), QString());
    ASSERT_EQ(p.errors.size(), 1);
    EXPECT_TRUE(p.errors[0].contains(QStringLiteral("could not be saved")));
}

TEST(PeopList, RefusedFilesAndKeptLinesAreToldOnce) {
    TempDir dir;
    const auto list = dir / "a.phy";
    WriteFileBytes(list, Line(1, "Anna") + "\r\n" + std::string(kMaxLineBytes + 1, 'x') +
                             "\r\nnot a face\r\n" + Line(2, "Bea") + "\r\n");
    WriteFileBytes(dir / "pic.phy", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR");
    WriteFileBytes(dir / "empty.phy", "");
    Panel p;
    p.list.LoadList(QString::fromStdString(list.string()));
    ASSERT_EQ(p.errors.size(), 1);
    EXPECT_TRUE(p.errors[0].startsWith(QStringLiteral("2 lines of the face list")))
        << p.errors[0].toStdString();
    EXPECT_TRUE(p.errors[0].contains(QStringLiteral("longer than 65536 bytes")))
        << p.errors[0].toStdString();
    EXPECT_TRUE(p.errors[0].contains(QStringLiteral("reading went on")))
        << p.errors[0].toStdString();
    EXPECT_EQ(BoxNames(p.list), (QStringList{"Anna", "Bea"}));

    p.errors.clear();
    p.list.LoadList(QString::fromStdString((dir / "pic.phy").string()));
    ASSERT_EQ(p.errors.size(), 1);
    EXPECT_TRUE(p.errors[0].contains(QStringLiteral("not a face list")))
        << p.errors[0].toStdString();
    EXPECT_EQ(BoxNames(p.list), (QStringList{"Anna", "Bea"}));
    EXPECT_EQ(p.list.Model().ListPath(), list);

    // An empty file is a new list: the names of the old one go.
    p.errors.clear();
    p.list.LoadList(QString::fromStdString((dir / "empty.phy").string()));
    EXPECT_TRUE(p.errors.isEmpty());
    EXPECT_EQ(p.list.NameBox()->count(), 0);
    EXPECT_EQ(p.list.NameBox()->currentText(), QString());
    ASSERT_TRUE(p.list.AddNamed(QStringLiteral("Cleo")));
    EXPECT_EQ(ReadFileBytes(dir / "empty.phy"), Line(1, "Cleo") + "\r\n");
}

TEST(PeopList, SaveAsWritesTheEntriesAndSwitchesTheList) {
    TempDir dir;
    WriteFileBytes(dir / "a.phy", Line(1, "Anna") + "\r\n");
    Panel p;
    p.list.LoadList(QString::fromStdString((dir / "a.phy").string()));
    ASSERT_TRUE(p.list.SaveListTo(QString::fromStdString((dir / "b.phy").string())));
    EXPECT_EQ(ReadFileBytes(dir / "b.phy"), Line(1, "Anna") + "\r\n");
    p.list.AddNamed(QStringLiteral("New"));
    EXPECT_EQ(ReadFileBytes(dir / "a.phy"), Line(1, "Anna") + "\r\n");
    EXPECT_NE(ReadFileBytes(dir / "b.phy").find(";New\r\n"), std::string::npos);
}

TEST(PeopList, AddAsksForANameStartingWithNoname) {
    TempDir dir;
    WriteFileBytes(dir / "a.phy", Line(1, "Anna") + "\r\n");
    Panel p;
    p.list.LoadList(QString::fromStdString((dir / "a.phy").string()));
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<CInputNameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        shown = dlg->NameEdit()->text();
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Save File as"));
        EXPECT_FALSE(dlg->SaveImageBox()->isVisible());
        dlg->SetName(QStringLiteral("Carla"));
        dlg->accept();
    });
    p.list.AddEntry();
    EXPECT_EQ(shown, QStringLiteral("Noname"));
    EXPECT_EQ(BoxNames(p.list), (QStringList{"Anna", "Carla"}));

    // Cancel adds nothing.
    QTimer::singleShot(0, [] {
        if (auto* dlg = QApplication::activeModalWidget())
            qobject_cast<QDialog*>(dlg)->reject();
    });
    p.list.AddEntry();
    EXPECT_EQ(p.list.NameBox()->count(), 2);
}
