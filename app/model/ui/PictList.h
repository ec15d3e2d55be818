#pragma once

#include <QImage>
#include <QListWidget>

#include <functional>
#include <optional>
#include <vector>

namespace mienlore {

// The face page's owner-drawn list of feature pictures: one item per shape,
// each drawn on white with its picture centred, a focus line along the
// bottom, and the shape name as tool tip. The wheel moves the selection; with
// Shift it asks for the next or previous variant instead.
class CPictList : public QListWidget {
    Q_OBJECT
public:
    explicit CPictList(QWidget* parent = nullptr);

    // Refills the list: count items with these tool tips; pictures come from
    // the provider (a null image draws the name instead). The item height
    // follows the size of the first picture.
    void Fill(const QStringList& names, std::function<QImage(int)> picture);
    // Redraws the pictures (after a variant change) without refilling.
    void RedrawPictures();

    // Item height for a first picture of this pixel size.
    static int ItemHeightFor(QSize firstPicture);
    // Whether pictures of this size are shrunk to a third for the list.
    static bool IsShrunk(QSize firstPicture);

    QImage PictureAt(int row) const;

signals:
    // Shift + wheel: +1 for wheel down, -1 for up.
    void variantStepRequested(int delta);
    void hovered();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyboardSearch(const QString&) override {}
    void enterEvent(QEnterEvent* event) override;

private:
    std::function<QImage(int)> m_picture;
    QSize m_firstSize;
    // Pictures as shown, by row; looked up again after a refill or a
    // variant change.
    mutable std::vector<std::optional<QImage>> m_shown;
};

// Shrinks an image to a third by averaging cells of 3 x 3 pixels.
QImage ShrinkByThree(const QImage& image);

} // namespace mienlore
