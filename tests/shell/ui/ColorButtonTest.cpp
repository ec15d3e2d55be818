#include "shell/ui/ColorButton.h"
#include "shell/ColourPalette.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <set>

using namespace mienlore;

TEST(ColourPalette, FortyDistinctNamesWithTheTrailingBlankKept) {
    const auto& palette = ColourPalette();
    std::set<std::string> names;
    for (const NamedColour& c : palette)
        names.insert(c.name);
    EXPECT_EQ(names.size(), 40u);
    EXPECT_STREQ(palette[35].name, "Pale green ");
    EXPECT_EQ(palette[35].colour, Rgb(152, 251, 152));
    EXPECT_EQ(palette[1].colour, Rgb(165, 42, 0));
    EXPECT_EQ(palette[39].colour, Rgb(255, 255, 255));
    EXPECT_EQ(FaceColourChoice(Rgb(228, 224, 224)), 1);
    EXPECT_EQ(FaceColourChoice(Rgb(1, 1, 1)), 0);
}

TEST(ColorButton, PopupPicksAPaletteColourAndAutomatic) {
    CColorButton button;
    button.SetAutomaticColour(Rgb(0, 0, 255));
    button.show();
    int changes = 0;
    QObject::connect(&button, &CColorButton::colourChanged, [&] { ++changes; });
    EXPECT_TRUE(button.IsAutomatic());
    EXPECT_EQ(button.CurrentColour(), Rgb(0, 0, 255));

    button.click();
    ASSERT_NE(button.Popup(), nullptr);
    EXPECT_EQ(button.Popup()->Cell(35)->toolTip(), QStringLiteral("Pale green "));
    EXPECT_EQ(button.Popup()->Cell(16)->toolTip(), QStringLiteral("Red"));
    button.Popup()->Cell(16)->click();
    QApplication::processEvents();
    EXPECT_EQ(button.Popup(), nullptr);
    EXPECT_FALSE(button.IsAutomatic());
    EXPECT_EQ(button.CurrentColour(), Rgb(255, 0, 0));
    EXPECT_EQ(changes, 1);

    button.click();
    ASSERT_NE(button.Popup(), nullptr);
    button.Popup()->AutomaticEntry()->click();
    QApplication::processEvents();
    EXPECT_TRUE(button.IsAutomatic());
    EXPECT_EQ(changes, 2);

    // Picking the same again is no change.
    button.click();
    button.Popup()->AutomaticEntry()->click();
    QApplication::processEvents();
    EXPECT_EQ(changes, 2);
}

TEST(ColorButton, MoreColoursOpensTheColourDialogWithTheCurrentColour) {
    CColorButton button;
    button.SetColour(Rgb(10, 20, 30));
    button.show();
    QColor preset;
    QTimer::singleShot(50, [&] {
        QColorDialog* dialog = button.ColourDialog();
        ASSERT_NE(dialog, nullptr);
        preset = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    button.click();
    button.Popup()->MoreColoursEntry()->click();
    // The dialog opens from the event loop once the popup has gone.
    for (int i = 0; i < 20 && button.CurrentColour() != Rgb(1, 2, 3); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(preset, QColor(10, 20, 30));
    EXPECT_EQ(button.CurrentColour(), Rgb(1, 2, 3));
}
