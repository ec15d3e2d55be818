#pragma once

#include <QDialog>

#include <functional>

class QLabel;

namespace mienlore {

class CLang;

// The small modal "wait" window (dialog 308): shown while a long job runs on
// the user-interface thread. exec() opens it, runs the job 100 ms later (so
// the window is on screen first) and then closes it with result 1.
class CWaitDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 308;
    static constexpr int kTextId = 1120;
    static constexpr int kDelayMs = 100;

    explicit CWaitDlg(std::function<void()> job, QWidget* parent = nullptr);

    // Puts the dialog's texts into the language of the run.
    void Translate(const CLang& lang);

    // The text control (white background).
    QLabel* TextLabel() const { return m_text; }
    // True once the job has run.
    bool JobDone() const { return m_done; }

protected:
    void showEvent(QShowEvent* event) override;
    // Escape does not close the window while its job is pending.
    void reject() override;

private:
    void RunJob();

    std::function<void()> m_job;
    QLabel* m_text = nullptr;
    bool m_started = false;
    bool m_done = false;
};

} // namespace mienlore
