#pragma once

#include <QWidget>

namespace mienlore {

// A tool tip that draws itself: the text (several lines allowed) on the
// tool-tip colours in a thin frame, shown near the pointer and kept on the
// screen.
class CPictToolTip : public QWidget {
    Q_OBJECT
public:
    explicit CPictToolTip(QWidget* owner);

    // Shows the text with its top-left corner just below and right of the
    // global point; an empty text hides the tip.
    void ShowText(const QPoint& globalPos, const QString& text);
    QString Text() const { return m_text; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace mienlore
