#pragma once

#include "analysis/chance/StrategyCheck.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>

#include <array>
#include <atomic>
#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Проверка стратегии": would a rule of picking pairs have caught more pairs
// than a fair lottery hands anyone, on the loaded history? The chosen rule's
// hits over time against the expected line and its ±2σ band, the four rules
// side by side on the same settings, and a verdict. The walks run on another
// thread with progress and "Отмена"; the window follows each new "Статистика"
// through refresh().
class TStrategyReport : public QWidget {
    Q_OBJECT

public:
    explicit TStrategyReport(QWidget* parent = nullptr);
    ~TStrategyReport() override;

    // The settings' ranges from the loaded draws, then a new check.
    void refresh();
    // A check is waiting for the settings to settle, running, or not yet shown.
    bool running() const { return restartTimer_.isActive() || inFlight_; }

signals:
    void finished();

protected:
    void changeEvent(QEvent* event) override;

private:
    using TResult = std::optional<std::array<Main::TStrategyWalk, 4>>;
    enum class TState { Idle, NoPairs, TooFewDraws, Running, Cancelled, Shown };
    // The walks shown, with the rule chosen and the R they were made for.
    struct TShown {
        std::array<Main::TStrategyWalk, 4> walks;
        std::size_t chosen = 0;
        int32_t recent = 0;
    };

    void start();
    void stop();
    // Every text of the window, from the state and the walks shown.
    void retranslate();
    void showVerdict();
    void showResult();
    void showChart(const Main::TStrategyWalk& walk);
    void replaceChart(QChart* chart);

    Main::TStrategyInput input_; // read by the walks while they run
    std::atomic<int32_t> done_ { 0 };
    std::atomic<bool> cancel_ { false };
    bool inFlight_ = false;
    QFutureWatcher<TResult> watcher_;
    QTimer progressTimer_;
    QTimer restartTimer_;

    TState state_ = TState::Idle;
    std::optional<TShown> shown_;
    std::size_t runningRule_ = 0; // the rule and R of the check running
    int32_t runningRecent_ = 0;

    QLabel* ruleLabel_;
    QLabel* picksLabel_;
    QLabel* warmupLabel_;
    QLabel* recentLabel_;
    QComboBox* ruleBox_;
    QSpinBox* picksBox_;
    QSpinBox* warmupBox_;
    QSpinBox* recentBox_;
    QChartView* chart_;
    QTableWidget* table_;
    QLabel* verdict_;
    QProgressBar* progress_;
    QPushButton* cancelButton_;
};
