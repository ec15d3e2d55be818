#include "shell/ui/Props.h"
#include "shell/Lang.h"
#include "shell/Params.h"
#include "shell/ui/ColorButton.h"
#include "shell/ui/PropPages.h"
#include "shell/ui/QtSettingsStore.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mienlore;
using namespace mienlore::test;

namespace {

// A program folder with two languages and a settings file of its own.
struct Sheet {
    TempDir folder;
    CParams params;
    std::unique_ptr<CLang> lang;
    std::unique_ptr<CQtSettingsStore> store;
    std::unique_ptr<CProps> props;
    int faceApplied = 0;
    int fateApplied = 0;

    Sheet() {
        std::filesystem::create_directories(folder / "Lang");
        WriteFileBytes(folder / "Lang" / "a_english.lng", "[Main]\nlang=English\n");
        WriteFileBytes(folder / "Lang" / "b_german.lng",
                       "[Main]\nlang=Deutsch\n[Dialog_173]\nDialog_173=Sonstiges\n"
                       "1053=Sprache:\n65535=Neu starten!\n[Dialog_172]\n1070=Information\n");
        lang = std::make_unique<CLang>(folder.Path());
        lang->SelectLanguage(folder / "Lang" / "a_english.lng");
        store = std::make_unique<CQtSettingsStore>(IniPath());
        Open();
    }
    void Open() {
        props = std::make_unique<CProps>(params, *lang, *store);
        QObject::connect(props.get(), &CProps::faceSettingsApplied, [this] { ++faceApplied; });
        QObject::connect(props.get(), &CProps::fateSettingsApplied, [this] { ++fateApplied; });
    }
    QString IniPath() const { return QString::fromStdString((folder / "Mienlore.conf").string()); }
    QPushButton* Button(QDialogButtonBox::StandardButton b) const {
        return props->Buttons()->button(b);
    }
};

} // namespace

TEST(Props, PagesShowTheSettingsInTheirTabs) {
    Sheet s;
    EXPECT_EQ(s.props->windowTitle(), QStringLiteral("Options"));
    ASSERT_EQ(s.props->Tabs()->count(), 3);
    EXPECT_EQ(s.props->Tabs()->tabText(0), QStringLiteral("Face"));
    EXPECT_EQ(s.props->Tabs()->tabText(1), QStringLiteral("Fate"));
    EXPECT_EQ(s.props->Tabs()->tabText(2), QStringLiteral("Misc"));
    CPagePropFace* face = s.props->FacePage();
    EXPECT_EQ(face->SmoothBox()->count(), 6);
    EXPECT_EQ(face->SmoothBox()->currentText(), QStringLiteral("20%"));
    // White face colour is the third entry.
    EXPECT_EQ(face->FaceColourBox()->currentText(), QStringLiteral("White"));
    EXPECT_TRUE(face->InfoCheck()->isChecked());
    EXPECT_FALSE(face->FillCheck()->isChecked());
    EXPECT_EQ(face->InfoColourButton()->CurrentColour(), Rgb(0, 0, 255));
    EXPECT_TRUE(s.props->FatePage()->WhiteRadio()->isChecked());
    EXPECT_FALSE(s.Button(QDialogButtonBox::Apply)->isEnabled());
    EXPECT_TRUE(s.Button(QDialogButtonBox::Help)->isEnabled());
    EXPECT_EQ(s.props->MiscPage()->LanguageBox()->currentText(), QStringLiteral("English"));
}

TEST(Props, ApplyStoresChangedPagesAndClosingSavesTheSettings) {
    Sheet s;
    CPagePropFace* face = s.props->FacePage();
    face->SmoothBox()->setCurrentIndex(5);
    face->SmoothBox()->activated(5);
    face->FillCheck()->click();
    face->FaceColourBox()->setCurrentIndex(1);
    EXPECT_TRUE(s.Button(QDialogButtonBox::Apply)->isEnabled());
    EXPECT_EQ(s.params.face.filter, 2); // nothing stored before Apply

    s.Button(QDialogButtonBox::Apply)->click();
    EXPECT_EQ(s.params.face.filter, 5);
    EXPECT_EQ(s.params.face.gradientFill, 1);
    EXPECT_EQ(s.params.face.faceColour, Rgb(228, 224, 224));
    EXPECT_EQ(s.faceApplied, 1);
    EXPECT_EQ(s.fateApplied, 0); // the unchanged page is not applied
    EXPECT_FALSE(s.Button(QDialogButtonBox::Apply)->isEnabled());

    CPagePropFate* fate = s.props->FatePage();
    fate->BlackRadio()->click();
    s.Button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(s.params.fate.style, kStyleBlack);
    EXPECT_EQ(s.fateApplied, 1);
    EXPECT_TRUE(s.props->Saved());

    CParams loaded;
    CQtSettingsStore reread(s.IniPath());
    loaded.Load(reread);
    EXPECT_EQ(loaded.face.filter, 5);
    EXPECT_EQ(loaded.face.faceColour, Rgb(228, 224, 224));
    EXPECT_EQ(loaded.fate.style, kStyleBlack);
}

TEST(Props, CancelStoresNothingButStillWritesTheSettings) {
    Sheet s;
    s.params.face.filter = 3; // changed elsewhere during the run
    s.Open();
    s.props->FacePage()->SmoothBox()->setCurrentIndex(0);
    s.props->FacePage()->SmoothBox()->activated(0);
    s.Button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(s.params.face.filter, 3);
    CParams loaded;
    CQtSettingsStore reread(s.IniPath());
    loaded.Load(reread);
    EXPECT_EQ(loaded.face.filter, 3);
}

TEST(Props, DefaultButtonsResetColoursAndCombosButNotCheckBoxes) {
    Sheet s;
    s.params.face.infoColour = Rgb(1, 2, 3);
    s.params.face.filter = 4;
    s.params.face.faceColour = Rgb(255, 255, 255);
    s.params.face.showInfo = 0;
    s.params.fate.minColour = Rgb(9, 9, 9);
    s.params.fate.style = kStyleBlack;
    s.Open();
    CPagePropFace* face = s.props->FacePage();
    EXPECT_EQ(face->InfoColourButton()->CurrentColour(), Rgb(1, 2, 3));
    face->DefaultButton()->click();
    EXPECT_TRUE(face->InfoColourButton()->IsAutomatic());
    EXPECT_EQ(face->SmoothBox()->currentText(), QStringLiteral("No"));
    EXPECT_EQ(face->FaceColourBox()->currentText(), QStringLiteral("Yellow"));
    EXPECT_FALSE(face->InfoCheck()->isChecked());
    s.props->FatePage()->DefaultButton()->click();
    s.Button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(s.params.face.infoColour, Rgb(0, 0, 255));
    EXPECT_EQ(s.params.face.filter, 0);
    EXPECT_EQ(s.params.face.faceColour, Rgb(255, 255, 240));
    EXPECT_EQ(s.params.face.showInfo, 0);
    EXPECT_EQ(s.params.fate.minColour, Rgb(255, 0, 0));
    EXPECT_EQ(s.params.fate.style, CFateParams{}.style); // the style is a default too
}

TEST(Props, WithoutAChosenLanguageTheBoxShowsTheBuiltInEnglish) {
    TempDir folder;
    std::filesystem::create_directories(folder / "Lang");
    WriteFileBytes(folder / "Lang" / "a_german.lng", "[Main]\nlang=Deutsch\n");
    WriteFileBytes(folder / "Lang" / "b_english.lng", "[Main]\nlang=English\n");
    CLang lang(folder.Path());
    CParams params;
    CQtSettingsStore store(QString::fromStdString((folder / "s.ini").string()));
    CProps props(params, lang, store);
    EXPECT_EQ(props.MiscPage()->LanguageBox()->currentText(), QStringLiteral("English"));
}

TEST(Props, ChoosingALanguageRetranslatesTheMiscPageAtOnce) {
    Sheet s;
    CPagePropMisc* misc = s.props->MiscPage();
    QComboBox* box = misc->LanguageBox();
    ASSERT_EQ(box->count(), 2);
    box->setCurrentIndex(1);
    box->activated(1);
    EXPECT_TRUE(misc->LanguageChanged());
    EXPECT_EQ(s.lang->Current().name, "Deutsch");
    EXPECT_EQ(s.props->Tabs()->tabText(2), QStringLiteral("Sonstiges"));
    QStringList texts;
    for (QLabel* l : misc->findChildren<QLabel*>())
        texts << l->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Sprache:")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Neu starten!")));
    EXPECT_TRUE(s.props->LanguageChanged());
    s.Button(QDialogButtonBox::Ok)->click();
    // The stored language is the chosen file.
    CParams loaded;
    CQtSettingsStore reread(s.IniPath());
    loaded.Load(reread);
    EXPECT_EQ(loaded.language, (s.folder / "Lang" / "b_german.lng").string());

    // And back: the English texts return even though the file has none.
    s.Open();
    misc = s.props->MiscPage();
    misc->LanguageBox()->setCurrentIndex(0);
    misc->LanguageBox()->activated(0);
    texts.clear();
    for (QLabel* l : misc->findChildren<QLabel*>())
        texts << l->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Language:")));
}

TEST(Props, ALanguageThatCannotBeCopiedIsToldWithBothFiles) {
    Sheet s;
    // "lang.lng" is taken by a folder: the copy cannot replace it.
    std::filesystem::remove(s.folder / "lang.lng");
    std::filesystem::create_directories(s.folder / "lang.lng" / "x");
    QString told;
    QTimer::singleShot(0, [&told] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text();
            box->close();
        }
    });
    QComboBox* box = s.props->MiscPage()->LanguageBox();
    box->setCurrentIndex(1);
    box->activated(1);
    EXPECT_TRUE(told.contains(QStringLiteral("b_german.lng"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("lang.lng"))) << told.toStdString();
}
