#include "shell/ui/DialogTranslator.h"
#include "shell/Lang.h"
#include "shell/ui/CommandIds.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

const char* kLangFile = "[Dialog_265]\n"
                        "Dialog_265=Datei speichern als\n"
                        "65535=Unbenannt\n"
                        "1=OK\n"
                        "2=Abbrechen\n"
                        "1172=Namenlos\n"
                        "1070=Information\n"
                        "1033=Gruppe\n"
                        "[Dialog_172]\n"
                        "Dialog_172=Gesicht\n"
                        "1070=Nicht von hier\n"
                        "[Menu_0]\n"
                        "0=&Datei\n"
                        "1=&Bearbeiten\n"
                        "57601=\xC3\x96&ffnen\n"
                        "2340=Speichern &unter\n"
                        "[Strings]\n"
                        "2330=Liste \xC3\xB6\x66\x66nen|Strg+O\n";

} // namespace

TEST(DialogTranslator, TranslatesCaptionControlsAndSharedStaticTexts) {
    TempDir folder;
    WriteFileBytes(folder / "lang.lng", kLangFile);
    const CLang lang(folder.Path());

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Save File as"));
    auto* prompt = new QLabel(QStringLiteral("Enter the name"), &dialog);
    SetStaticTextId(prompt);
    auto* second = new QLabel(QStringLiteral("Another static"), &dialog);
    SetStaticTextId(second);
    auto* empty = new QLabel(&dialog);
    SetStaticTextId(empty);
    auto* dynamic = new QLabel(QStringLiteral("42 %"), &dialog); // shows a value: no id
    auto* edit = new QLineEdit(QStringLiteral("Noname"), &dialog);
    SetControlId(edit, 1172);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    SetControlId(ok, 1);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    SetControlId(cancel, 2);
    auto* unknown = new QPushButton(QStringLiteral("Help"), &dialog);
    SetControlId(unknown, 9);
    auto* group = new QGroupBox(QStringLiteral("Group"), &dialog);
    SetControlId(group, 1033);
    auto* inGroup = new QCheckBox(QStringLiteral("Information"), group);
    SetControlId(inGroup, 1070);
    // A page inside the dialog is its own dialog and is left alone.
    auto* page = new QWidget(&dialog);
    SetDialogId(page, 172);
    auto* pageBox = new QCheckBox(QStringLiteral("Information"), page);
    SetControlId(pageBox, 1070);

    const int count = TranslateDialog(lang, &dialog, 265);
    EXPECT_EQ(count, 8);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Datei speichern als"));
    EXPECT_EQ(prompt->text(), QStringLiteral("Unbenannt"));
    EXPECT_EQ(second->text(), QStringLiteral("Unbenannt"));
    EXPECT_TRUE(empty->text().isEmpty());
    EXPECT_EQ(dynamic->text(), QStringLiteral("42 %"));
    EXPECT_EQ(edit->text(), QStringLiteral("Namenlos"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(unknown->text(), QStringLiteral("Help"));
    EXPECT_EQ(group->title(), QStringLiteral("Gruppe"));
    EXPECT_EQ(pageBox->text(), QStringLiteral("Information"));

    EXPECT_EQ(TranslateDialog(lang, page, 172), 1);
    EXPECT_EQ(pageBox->text(), QStringLiteral("Nicht von hier"));
    EXPECT_EQ(TranslatedPageTitle(lang, 172, QStringLiteral("Face")), QStringLiteral("Gesicht"));
    EXPECT_EQ(TranslatedPageTitle(lang, 173, QStringLiteral("Misc")), QStringLiteral("Misc"));
}

TEST(DialogTranslator, TranslatesMenusByPositionAndCommandId) {
    TempDir folder;
    WriteFileBytes(folder / "lang.lng", kLangFile);
    const CLang lang(folder.Path());

    QMenuBar bar;
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open..."));
    SetCommandId(open, cmd::kFileOpen);
    QAction* sep = file->addSeparator();
    QAction* saveAs = file->addAction(QStringLiteral("&Save As..."));
    SetCommandId(saveAs, cmd::kSaveList);
    QAction* noId = file->addAction(QStringLiteral("Untagged"));
    QMenu* edit = bar.addMenu(QStringLiteral("&Edit"));
    QMenu* view = bar.addMenu(QStringLiteral("&View"));

    TranslateMenuBar(lang, &bar);
    EXPECT_EQ(file->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(edit->title(), QStringLiteral("&Bearbeiten"));
    EXPECT_EQ(view->title(), QStringLiteral("&View"));
    EXPECT_EQ(open->text(), QString::fromUtf8("\xC3\x96&ffnen"));
    EXPECT_EQ(saveAs->text(), QStringLiteral("Speichern &unter"));
    EXPECT_TRUE(sep->text().isEmpty());
    EXPECT_EQ(noId->text(), QStringLiteral("Untagged"));
}

TEST(DialogTranslator, StringsComeAsQStringsWithLineBreaks) {
    TempDir folder;
    WriteFileBytes(folder / "lang.lng", kLangFile);
    const CLang lang(folder.Path());
    EXPECT_EQ(TranslatedString(lang, 2330), QString::fromUtf8("Liste \xC3\xB6\x66\x66nen\nStrg+O"));
    EXPECT_EQ(TranslatedString(lang, 128), QStringLiteral("Mienlore"));
}
