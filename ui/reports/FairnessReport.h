#pragma once

#include "analysis/chance/Fairness.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

// "Проверка случайности": how unusual the loaded draws' extremes would be in
// a fair lottery of the same length. The simulation runs on other threads;
// the window shows its progress, stays responsive and can cancel it.
class TFairnessReport : public QWidget {
    Q_OBJECT

public:
    static constexpr int32_t Simulations = 2000;
    static constexpr uint64_t Seed = 20031;

    explicit TFairnessReport(QWidget* parent = nullptr);
    ~TFairnessReport() override;

    // Takes the loaded draws and starts the simulation, stopping one still running.
    void start();
    bool running() const { return watcher_.isRunning(); }

    // The one-sentence verdict on the figures.
    static QString Verdict(const Main::TFairness& fairness);

signals:
    void finished();

protected:
    void changeEvent(QEvent* event) override;

private:
    enum class TState { Idle, NoDraws, Running, Cancelled, Shown };

    void stop();
    void showProgress();
    // Every text of the window, from the state and the figures shown.
    void retranslate();

    TState state_ = TState::Idle;
    std::optional<Main::TFairness> shown_;

    Main::TFairnessInput input_; // read by the simulation while it runs
    std::atomic<int32_t> done_ { 0 };
    std::atomic<bool> cancel_ { false };
    QFutureWatcher<std::optional<Main::TFairness>> watcher_;
    QTimer progressTimer_;

    QLabel* drawsLabel_;
    QLabel* figuresLabel_;
    QLabel* verdictLabel_;
    QProgressBar* progress_;
    QPushButton* cancelButton_;
};
