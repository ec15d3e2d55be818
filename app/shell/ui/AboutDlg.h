#pragma once

#include <QDialog>

#include <filesystem>

class QLabel;
class QMovie;

namespace mienlore {

class CEffectWnd;
class CLang;

// The about box (dialog 100): the animated caption, the version line, our
// contact lines and an animated picture of faces.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 100;

    CAboutDlg(const CLang& lang, const std::filesystem::path& programFolder,
              QWidget* parent = nullptr);
    ~CAboutDlg() override;

    CEffectWnd* Caption() const { return m_caption; }
    QLabel* VersionLabel() const { return m_version; }
    // The animation (nullptr when its file is missing or unreadable).
    QMovie* Animation() const { return m_movie; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    CEffectWnd* m_caption = nullptr;
    QLabel* m_version = nullptr;
    QMovie* m_movie = nullptr;
};

} // namespace mienlore
