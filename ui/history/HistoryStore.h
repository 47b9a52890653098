#pragma once

#include "analysis/history/HistoryDraw.h"
#include "analysis/history/RecentDraws.h"
#include "analysis/import/DrawImport.h"
#include "ui/ImportMemory.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

// A failure of the store of histories; what() is the Russian message for the
// error box, in UTF-8. The store is as it was before the failed change.
class EHistoryStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether a history's source is an http(s) address rather than a file.
bool IsAddressSource(const QString& source);

// One kept history: where it comes from, how it is read, and how the window
// loads it.
struct TStoredHistory {
    qint64 Id = 0; // 0 until stored
    QString Name;
    QString Source; // a file's full path, or an http(s) address
    Main::TImportLayout Layout; // M is the game's pool as it stands now
    bool MaxNumberTyped = false; // M as the user typed it, not from the draws
    TFileShape Shape; // the source's shape the layout was chosen for
    QByteArray ETag, LastModified; // of the last download, for a conditional one
    QDateTime Updated; // of the last import or update, UTC
    int32_t LastDraws = 1000; // the most recent draws the tables are loaded with
    int32_t DrawCount = 0; // draws stored; filled in when read

    // The game the tables are loaded as.
    Main::THistoryGame game() const;
};

// The program's own store of histories: one SQLite database (Qt SQL's QSQLITE
// driver) holding every draw of every imported history. It is a rollback
// journal database (SQLite's default, not WAL): writes are rare and short,
// and the journal needs no shared memory, so the store also works in a home
// folder on a network file system and can be read where it cannot be written.
// Every change is one transaction begun with BEGIN IMMEDIATE, so a failure or
// a crash in the middle leaves the previous state, and a second running copy
// of the program waits for the first one's change (busy timeout) instead of
// failing or damaging the file.
class THistoryStore {
public:
    // The store in the user's data folder ($XDG_DATA_HOME/veldoran/histories.sqlite),
    // opened on the first call so that start-up does not wait for it. Throws
    // EHistoryStoreError when it cannot be opened; the next call tries again.
    static THistoryStore& Instance();
    static QString DefaultPath();

    explicit THistoryStore(const QString& path);
    ~THistoryStore();
    THistoryStore(const THistoryStore&) = delete;
    THistoryStore& operator=(const THistoryStore&) = delete;

    // The Qt SQL connection's name, for tests that look at the database.
    QString connectionName() const { return connection_; }

    std::vector<TStoredHistory> histories();
    std::optional<TStoredHistory> history(qint64 id);
    // The history already kept for this source and layout (M aside), if any.
    std::optional<TStoredHistory> find(const QString& source, const Main::TImportLayout& layout);

    // Every draw, oldest first: by draw number when the layout has one,
    // otherwise in the order they were kept.
    std::vector<Main::THistoryDraw> draws(qint64 id);
    // The newest draws, oldest first, reaching back `lastDraws` draws of the game.
    std::vector<Main::THistoryDraw> recentDraws(qint64 id, const Main::THistoryGame& game, int32_t lastDraws);

    // Keeps a new history with its draws; returns its id.
    qint64 add(const TStoredHistory& history, const std::vector<Main::THistoryDraw>& draws);
    // Writes the history's record (name, source, layout, validators, update
    // time, draws to load) and adds the draws, all or nothing.
    void update(const TStoredHistory& history, const std::vector<Main::THistoryDraw>& added);
    void rename(qint64 id, const QString& name);
    void remove(qint64 id);

private:
    void open(const QString& path);
    void inTransaction(const std::function<void()>& change);
    void writeRecord(const TStoredHistory& history);
    void insertDraws(qint64 id, const std::vector<Main::THistoryDraw>& draws);

    QString connection_;
};
