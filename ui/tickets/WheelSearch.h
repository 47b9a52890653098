#pragma once

#include "analysis/Wheels.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

// A wheel search off the interface thread. It runs MakeWheel with growing
// budgets, a new seed each time, keeping the smallest wheel, so that a first
// complete wheel shows at once and a better one follows; each wheel kept is
// checked by WheelMisses on the same thread. stop() answers MakeWheel's next
// poll, which returns the best wheel of that run.
class TWheelSearch : public QObject {
    Q_OBJECT

public:
    struct TFound {
        Main::TWheel wheel;
        int64_t misses = 0; // Drawn-subsets no ticket meets in Match numbers, as WheelMisses counts
    };

    explicit TWheelSearch(QObject* parent = nullptr);
    ~TWheelSearch() override;

    // A new search; with `from`, that wheel is the one to beat (the request must be the same).
    void start(const Main::TWheelRequest& request, const std::optional<TFound>& from = std::nullopt);
    void stop();
    bool running() const { return running_; }
    qint64 elapsedMs() const { return running_ ? clock_.elapsed() : elapsed_; }

    std::optional<TFound> best() const;
    int64_t lowerBound() const;
    QString error() const; // the refusal of the last search, empty when it ran

signals:
    void improved(); // best() is smaller than before
    void progress(); // about ten times a second while running
    void finished();

private:
    struct TShared {
        std::atomic<bool> cancel { false };
        mutable std::mutex mutex;
        std::optional<TFound> best;
        int64_t lowerBound = 0;
        int64_t version = 0;
        QString error;
    };

    std::shared_ptr<TShared> shared_;
    QFutureWatcher<void> watcher_;
    QTimer poll_;
    QElapsedTimer clock_;
    qint64 elapsed_ = 0;
    int64_t shownVersion_ = 0;
    uint64_t nextSeed_ = 1;
    bool running_ = false;

    void check();
};
