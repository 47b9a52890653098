#include "ui/tickets/WheelSearch.h"

#include <QtConcurrent>

#include <chrono>
#include <exception>
#include <vector>

namespace {

// A new search shows a complete wheel at once, a better one after a short
// run, then searches for three seconds, in which most requests reach their
// best known size; "Улучшить" searches ten seconds more from another seed.
const std::vector<std::chrono::milliseconds> FirstBudgets { std::chrono::milliseconds(0),
    std::chrono::milliseconds(300), std::chrono::milliseconds(3000) };
const std::vector<std::chrono::milliseconds> ImproveBudgets { std::chrono::milliseconds(10000) };

} // namespace

TWheelSearch::TWheelSearch(QObject* parent)
    : QObject(parent)
    , shared_(std::make_shared<TShared>())
{
    poll_.setInterval(100);
    connect(&poll_, &QTimer::timeout, this, [this] {
        check();
        emit progress();
    });
    connect(&watcher_, &QFutureWatcher<void>::finished, this, [this] {
        poll_.stop();
        elapsed_ = clock_.elapsed();
        running_ = false;
        check();
        emit finished();
    });
}

TWheelSearch::~TWheelSearch()
{
    shared_->cancel = true;
    watcher_.waitForFinished();
}

void TWheelSearch::start(const Main::TWheelRequest& request, const std::optional<TFound>& from)
{
    stop();
    watcher_.waitForFinished();
    shared_ = std::make_shared<TShared>();
    shared_->best = from;
    if (from)
        shared_->lowerBound = from->wheel.LowerBound;
    shownVersion_ = 0;
    running_ = true;
    elapsed_ = 0;
    clock_.start();
    poll_.start();
    const std::vector<std::chrono::milliseconds>& budgets = from ? ImproveBudgets : FirstBudgets;
    const uint64_t seed = nextSeed_;
    nextSeed_ += budgets.size();
    watcher_.setFuture(QtConcurrent::run([shared = shared_, request, seed, budgets] {
        const auto cancelled = [&shared] { return shared->cancel.load(std::memory_order_relaxed); };
        try {
            for (std::size_t run = 0; run < budgets.size() && !cancelled(); ++run) {
                Main::TWheel wheel = Main::MakeWheel(request, budgets[run], seed + run, cancelled);
                const int64_t misses = Main::WheelMisses(request, wheel.Tickets);
                std::lock_guard lock(shared->mutex);
                shared->lowerBound = wheel.LowerBound;
                if (!shared->best || misses < shared->best->misses
                    || (misses == shared->best->misses && wheel.Tickets.size() < shared->best->wheel.Tickets.size())) {
                    shared->best = TFound { std::move(wheel), misses };
                    ++shared->version;
                }
                if (shared->best->misses == 0
                    && static_cast<int64_t>(shared->best->wheel.Tickets.size()) <= shared->lowerBound)
                    break; // as few as any wheel can have
            }
        } catch (const std::exception& e) {
            std::lock_guard lock(shared->mutex);
            shared->error = QString::fromUtf8(e.what());
        }
    }));
}

void TWheelSearch::stop()
{
    shared_->cancel = true;
}

void TWheelSearch::check()
{
    int64_t version = 0;
    {
        std::lock_guard lock(shared_->mutex);
        version = shared_->version;
    }
    if (version != shownVersion_) {
        shownVersion_ = version;
        emit improved();
    }
}

std::optional<TWheelSearch::TFound> TWheelSearch::best() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->best;
}

int64_t TWheelSearch::lowerBound() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->lowerBound;
}

QString TWheelSearch::error() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->error;
}
