// The gallery panel over a folder of 10,000 portraits: how long until the
// strip shows its first cells, and until the cells in view have their
// thumbnails (decoded on the worker thread).
#include "gallery/GallCollection.h"
#include "gallery/ui/PageGall.h"
#include "gallery/ui/PictListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

std::filesystem::path PortraitFolder(int count) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("mienlore-bench-strip-" + std::to_string(count));
    if (std::filesystem::exists(folder / "done"))
        return folder;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    QImage image(148, 180, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setBrush(Qt::lightGray);
    p.drawEllipse(24, 20, 100, 140);
    p.end();
    const QString first = QString::fromStdString((folder / "first.jpg").string());
    image.save(first, "JPG");
    for (int i = 0; i < count; ++i)
        std::filesystem::copy_file(folder / "first.jpg",
                                   folder / ("drawme-Given" + std::to_string(i) + "-F.jpg"));
    std::filesystem::remove(folder / "first.jpg");
    std::ofstream(folder / "done") << "";
    return folder;
}

struct Panel {
    mienlore::CGallery gallery{MIENLORE_PROGRAM_FOLDER};
    mienlore::CFaceFrame face{MIENLORE_PROGRAM_FOLDER};
};

void BM_StripFirstCells(benchmark::State& state) {
    Panel panel;
    panel.gallery.LoadFolder(mienlore::GallFolder::Gallery,
                             PortraitFolder(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        // From making the panel to its first cells on screen.
        auto page = std::make_unique<mienlore::CPageGall>(panel.gallery, panel.face,
                                                          mienlore::GallHost{}, nullptr);
        page->resize(780, 100);
        page->show();
        page->repaint();
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StripFirstCells)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StripThumbnailsInView(benchmark::State& state) {
    Panel panel;
    panel.gallery.LoadFolder(mienlore::GallFolder::Gallery,
                             PortraitFolder(static_cast<int>(state.range(0))));
    auto page = std::make_unique<mienlore::CPageGall>(panel.gallery, panel.face,
                                                      mienlore::GallHost{}, nullptr);
    page->resize(780, 100);
    page->show();
    mienlore::CPictListBox* strip = page->ShownStrip();
    int first = 0;
    for (auto _ : state) {
        // A jump to another part of the list, then until every cell in view
        // shows its thumbnail.
        first = (first + 997) % 9000;
        page->ScrollTo(first);
        bool done = false;
        while (!done) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            done = true;
            for (int c = 0; c < strip->VisibleCells(); ++c)
                done = done && strip->HasThumbnail(first + c);
        }
    }
    state.counters["cells"] = strip->VisibleCells();
    state.counters["cached"] = static_cast<double>(strip->CachedCount());
}
BENCHMARK(BM_StripThumbnailsInView)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
