#pragma once

#include "gallery/GallStrip.h"

#include <QImage>
#include <QPixmap>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace mienlore {

// A strip of portrait thumbnails: one cell per portrait from the first visible
// one, left to right, as many as the width holds. Portraits without a
// description carry the mark " ? ". The strip has an etched edge and the
// selected cell a raised one.
//
// Thumbnails are decoded on a worker thread at the cell's size and kept in a
// cache that holds only the cells in view and those near them, so that a
// folder of any size opens at once and takes little memory; a cell whose
// thumbnail is not there yet shows an empty frame until it arrives.
class CPictListBox : public QWidget {
    Q_OBJECT
public:
    struct Entry {
        QString path;
        bool described = false;
    };

    explicit CPictListBox(QWidget* parent = nullptr);
    ~CPictListBox() override;

    // A new list of portraits: back to the start, nothing applied, the cache
    // emptied.
    void SetEntries(std::vector<Entry> entries);
    const std::vector<Entry>& Entries() const { return m_entries; }
    // Marks a portrait as described (after it was described).
    void SetDescribed(int position, bool described);

    CGallStrip& Strip() { return m_strip; }
    const CGallStrip& Strip() const { return m_strip; }
    // Redraws after the strip's positions changed and asks for the
    // thumbnails now in view.
    void StripChanged();

    int CellWidth() const;
    int CellHeight() const;
    // Cells that fit the width (the last one may be cut off).
    int VisibleCells() const;
    // The cell under a point of the strip, counted from the first visible.
    int CellAt(QPoint pos) const;

    // Thumbnails held and asked for; for tests and benchmarks.
    std::size_t CachedCount() const { return m_cache.size(); }
    std::size_t PendingCount() const { return m_pending.size(); }
    bool HasThumbnail(int position) const { return m_cache.count(position) != 0; }
    // The most thumbnails the cache keeps for the current size.
    std::size_t CacheLimit() const;

signals:
    // A click on a cell (counted from the first visible cell).
    void cellClicked(int cell);
    // The wheel asks to scroll by delta positions.
    void scrollRequested(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void RequestThumbnails();
    void Request(int position);
    void OnDecoded(unsigned generation, int position, const QImage& image, bool skipped);
    void Evict();
    QRect CellRect(int cell) const;
    QSize ThumbnailSize() const;

    std::vector<Entry> m_entries;
    CGallStrip m_strip;
    std::unordered_map<int, QImage> m_cache; // a null image: could not be read
    std::unordered_set<int> m_pending;
    // The range of positions still wanted, read by the worker to skip cells
    // scrolled far away before they are decoded.
    std::shared_ptr<std::atomic<int>> m_wantLo;
    std::shared_ptr<std::atomic<int>> m_wantHi;
    unsigned m_generation = 0;
    QThreadPool m_pool;
};

} // namespace mienlore
