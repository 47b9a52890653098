#include "ui/history/HistoryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <atomic>

namespace {

// How long a change waits for another running copy's change to end.
constexpr int BusyTimeoutMs = 10000;

QString Tr(const char* text)
{
    return QCoreApplication::translate("THistoryStore", text);
}

// SQLite's primary result codes, as Qt's driver reports them.
enum : int {
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoError = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADatabase = 26,
};

[[noreturn]] void Fail(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF; // an extended code's primary part
    QString message;
    switch (code) {
    case SqliteFull:
        message = Tr("Диск заполнен: хранилищу историй не хватило места");
        break;
    case SqliteReadOnly:
    case SqliteCantOpen:
        message = Tr("Хранилище историй доступно только для чтения: изменения не сохранить");
        break;
    case SqliteBusy:
    case SqliteLocked:
        message = Tr("Хранилище историй занято другой запущенной копией программы; попробуйте ещё раз");
        break;
    case SqliteCorrupt:
    case SqliteNotADatabase:
        message = Tr("Файл хранилища историй повреждён или не является базой данных");
        break;
    case SqliteIoError:
        message = Tr("Ошибка чтения или записи хранилища историй");
        break;
    default:
        message = Tr("Ошибка хранилища историй");
        break;
    }
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    throw EHistoryStoreError((message + " (" + detail + ")").toStdString());
}

QSqlQuery Run(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        Fail(query.lastError());
    return query;
}

void Exec(QSqlQuery& query)
{
    if (!query.exec())
        Fail(query.lastError());
}

QSqlQuery Prepared(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        Fail(query.lastError());
    return query;
}

// Qt binds a null QString as NULL; the text columns hold '' instead.
QString Text(const QString& text)
{
    return text.isNull() ? QString("") : text;
}

QString NumbersText(const std::vector<int32_t>& numbers)
{
    QString text;
    for (int32_t n : numbers) {
        if (!text.isEmpty())
            text += ' ';
        text += QString::number(n);
    }
    return text;
}

std::vector<int32_t> NumbersFrom(QStringView text)
{
    std::vector<int32_t> numbers;
    for (QStringView part : text.split(' ', Qt::SkipEmptyParts))
        numbers.push_back(part.toInt());
    return numbers;
}

const char* const HistoryColumns = "h.id, h.name, h.source, h.delimiter, h.header_lines, h.draw_no_field, "
                                   "h.number_fields, h.max_number, h.max_number_typed, h.newest_first, "
                                   "h.shape_header, h.shape_fields, h.etag, h.last_modified, h.updated, "
                                   "h.last_draws, (SELECT count(*) FROM draws d WHERE d.history_id = h.id)";

TStoredHistory HistoryFrom(const QSqlQuery& q)
{
    TStoredHistory h;
    h.Id = q.value(0).toLongLong();
    h.Name = q.value(1).toString();
    h.Source = q.value(2).toString();
    h.Layout.Delimiter = static_cast<char>(q.value(3).toInt());
    h.Layout.HeaderLines = q.value(4).toInt();
    h.Layout.DrawNoField = q.value(5).toInt();
    h.Layout.NumberFields = NumbersFrom(q.value(6).toString());
    h.Layout.MaxNumber = q.value(7).toInt();
    h.MaxNumberTyped = q.value(8).toBool();
    h.Layout.NewestFirst = q.value(9).toBool();
    h.Shape.Header = q.value(10).toString();
    h.Shape.Fields = q.value(11).toInt();
    h.ETag = q.value(12).toByteArray();
    h.LastModified = q.value(13).toByteArray();
    h.Updated = QDateTime::fromString(q.value(14).toString(), Qt::ISODate);
    h.LastDraws = q.value(15).toInt();
    h.DrawCount = q.value(16).toInt();
    return h;
}

Main::THistoryDraw DrawFrom(const QSqlQuery& q)
{
    Main::THistoryDraw draw;
    draw.Position = q.value(0).toInt();
    draw.DrawNo = q.value(1).toInt(); // NULL reads as 0
    draw.Date = q.value(2).toInt();
    draw.Numbers = NumbersFrom(q.value(3).toString());
    return draw;
}

QString DrawOrder(const TStoredHistory& history, bool newestFirst)
{
    const char* way = newestFirst ? " DESC" : "";
    return history.Layout.DrawNoField > 0 ? QString("draw_no%1, position%1").arg(way) : QString("position%1").arg(way);
}

} // namespace

bool IsAddressSource(const QString& source)
{
    return source.startsWith("http://", Qt::CaseInsensitive) || source.startsWith("https://", Qt::CaseInsensitive);
}

Main::THistoryGame TStoredHistory::game() const
{
    return { static_cast<int32_t>(Layout.NumberFields.size()), Layout.MaxNumber, Layout.DrawNoField > 0 };
}

namespace {

THistoryStore* TheStore = nullptr;

// Closed with the application, while Qt SQL is still there to close it.
void CloseTheStore()
{
    delete TheStore;
    TheStore = nullptr;
}

} // namespace

THistoryStore& THistoryStore::Instance()
{
    if (!TheStore) {
        TheStore = new THistoryStore(DefaultPath());
        qAddPostRoutine(CloseTheStore);
    }
    return *TheStore;
}

QString THistoryStore::DefaultPath()
{
    // The generic location with the program's own folder, whatever the
    // running program's name (the tests' programs have their own).
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/veldoran/histories.sqlite";
}

THistoryStore::THistoryStore(const QString& path)
{
    static std::atomic<int> opened { 0 };
    connection_ = QString("veldoran-histories-%1").arg(++opened);
    try {
        open(path);
    } catch (...) {
        QSqlDatabase::removeDatabase(connection_);
        throw;
    }
}

THistoryStore::~THistoryStore()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

void THistoryStore::open(const QString& path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw EHistoryStoreError(
            Tr("Не удалось создать папку хранилища историй %1").arg(QFileInfo(path).absolutePath()).toStdString());
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    if (!db.isValid())
        throw EHistoryStoreError(Tr("Нет драйвера SQLite для Qt (пакет libqt6sql6-sqlite)").toStdString());
    db.setDatabaseName(path);
    db.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open())
        Fail(db.lastError());
    Run(db, "PRAGMA foreign_keys = ON");
    // Each commit reaches the disk before the program goes on.
    Run(db, "PRAGMA synchronous = FULL");
    QSqlQuery version = Run(db, "PRAGMA user_version");
    if (version.next() && version.value(0).toInt() >= 1)
        return;
    inTransaction([&db] {
        Run(db,
            "CREATE TABLE IF NOT EXISTS histories ("
            " id INTEGER PRIMARY KEY,"
            " name TEXT NOT NULL,"
            " source TEXT NOT NULL,"
            " delimiter INTEGER NOT NULL,"
            " header_lines INTEGER NOT NULL,"
            " draw_no_field INTEGER NOT NULL,"
            " number_fields TEXT NOT NULL," // the fields of the K numbers, blank-separated
            " max_number INTEGER NOT NULL," // M
            " max_number_typed INTEGER NOT NULL DEFAULT 0,"
            " newest_first INTEGER NOT NULL,"
            " shape_header TEXT NOT NULL DEFAULT '',"
            " shape_fields INTEGER NOT NULL DEFAULT 0,"
            " etag BLOB,"
            " last_modified BLOB,"
            " updated TEXT NOT NULL," // ISO 8601, UTC
            " last_draws INTEGER NOT NULL)");
        Run(db,
            "CREATE TABLE IF NOT EXISTS draws ("
            " history_id INTEGER NOT NULL REFERENCES histories(id) ON DELETE CASCADE,"
            " position INTEGER NOT NULL,"
            " draw_no INTEGER," // NULL: the source has none
            " draw_date INTEGER," // year * 10000 + month * 100 + day; NULL: none
            " numbers TEXT NOT NULL," // the K numbers as the source lists them, blank-separated
            " first_seen TEXT NOT NULL," // ISO 8601, UTC
            " PRIMARY KEY (history_id, position)) WITHOUT ROWID");
        Run(db, "CREATE INDEX IF NOT EXISTS draws_by_number ON draws (history_id, draw_no, position)");
        Run(db, "PRAGMA user_version = 1");
    });
}

void THistoryStore::inTransaction(const std::function<void()>& change)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    // IMMEDIATE takes the write lock at once: two copies writing wait for
    // each other in the busy timeout instead of one failing half way.
    Run(db, "BEGIN IMMEDIATE");
    try {
        change();
        Run(db, "COMMIT");
    } catch (...) {
        QSqlQuery rollback(db);
        rollback.exec("ROLLBACK");
        throw;
    }
}

std::vector<TStoredHistory> THistoryStore::histories()
{
    QSqlQuery q = Run(QSqlDatabase::database(connection_, false),
        QString("SELECT %1 FROM histories h ORDER BY h.name COLLATE NOCASE, h.id").arg(HistoryColumns));
    std::vector<TStoredHistory> list;
    while (q.next())
        list.push_back(HistoryFrom(q));
    return list;
}

std::optional<TStoredHistory> THistoryStore::history(qint64 id)
{
    QSqlQuery q = Prepared(QSqlDatabase::database(connection_, false),
        QString("SELECT %1 FROM histories h WHERE h.id = ?").arg(HistoryColumns));
    q.addBindValue(id);
    Exec(q);
    if (!q.next())
        return std::nullopt;
    return HistoryFrom(q);
}

std::optional<TStoredHistory> THistoryStore::find(const QString& source, const Main::TImportLayout& layout)
{
    QSqlQuery q = Prepared(QSqlDatabase::database(connection_, false),
        QString("SELECT %1 FROM histories h WHERE h.source = ? ORDER BY h.id").arg(HistoryColumns));
    q.addBindValue(Text(source));
    Exec(q);
    const auto withoutM = [](Main::TImportLayout l) {
        l.MaxNumber = 0;
        return l;
    };
    while (q.next()) {
        TStoredHistory h = HistoryFrom(q);
        if (withoutM(h.Layout) == withoutM(layout))
            return h;
    }
    return std::nullopt;
}

std::vector<Main::THistoryDraw> THistoryStore::draws(qint64 id)
{
    const auto h = history(id);
    if (!h)
        return {};
    QSqlQuery q = Prepared(QSqlDatabase::database(connection_, false),
        QString("SELECT position, draw_no, draw_date, numbers FROM draws WHERE history_id = ? ORDER BY %1")
            .arg(DrawOrder(*h, false)));
    q.setForwardOnly(true);
    q.addBindValue(id);
    Exec(q);
    std::vector<Main::THistoryDraw> list;
    list.reserve(static_cast<std::size_t>(h->DrawCount));
    while (q.next())
        list.push_back(DrawFrom(q));
    return list;
}

std::vector<Main::THistoryDraw> THistoryStore::recentDraws(qint64 id, const Main::THistoryGame& game, int32_t lastDraws)
{
    const auto h = history(id);
    if (!h)
        return {};
    QSqlQuery q = Prepared(QSqlDatabase::database(connection_, false),
        QString("SELECT position, draw_no, draw_date, numbers FROM draws WHERE history_id = ? ORDER BY %1")
            .arg(DrawOrder(*h, true)));
    q.setForwardOnly(true);
    q.addBindValue(id);
    Exec(q);
    std::vector<Main::THistoryDraw> list;
    int32_t found = 0;
    while (found < lastDraws && q.next()) {
        list.push_back(DrawFrom(q));
        if (Main::FitsGame(list.back(), game.NumbersPerDraw, game.MaxNumber))
            ++found;
    }
    std::reverse(list.begin(), list.end());
    return list;
}

void THistoryStore::writeRecord(const TStoredHistory& h)
{
    QSqlQuery q = Prepared(QSqlDatabase::database(connection_, false),
        "UPDATE histories SET name = ?, source = ?, delimiter = ?, header_lines = ?, draw_no_field = ?, "
        "number_fields = ?, max_number = ?, max_number_typed = ?, newest_first = ?, shape_header = ?, "
        "shape_fields = ?, etag = ?, last_modified = ?, updated = ?, last_draws = ? WHERE id = ?");
    q.addBindValue(Text(h.Name));
    q.addBindValue(Text(h.Source));
    q.addBindValue(static_cast<int>(h.Layout.Delimiter));
    q.addBindValue(h.Layout.HeaderLines);
    q.addBindValue(h.Layout.DrawNoField);
    q.addBindValue(NumbersText(h.Layout.NumberFields));
    q.addBindValue(h.Layout.MaxNumber);
    q.addBindValue(h.MaxNumberTyped ? 1 : 0);
    q.addBindValue(h.Layout.NewestFirst ? 1 : 0);
    q.addBindValue(Text(h.Shape.Header));
    q.addBindValue(h.Shape.Fields);
    q.addBindValue(h.ETag);
    q.addBindValue(h.LastModified);
    q.addBindValue((h.Updated.isValid() ? h.Updated : QDateTime::currentDateTimeUtc()).toUTC().toString(Qt::ISODate));
    q.addBindValue(h.LastDraws);
    q.addBindValue(h.Id);
    Exec(q);
    if (q.numRowsAffected() != 1)
        throw EHistoryStoreError(Tr("Этой истории уже нет в хранилище").toStdString());
}

void THistoryStore::insertDraws(qint64 id, const std::vector<Main::THistoryDraw>& draws)
{
    QSqlQuery q = Prepared(QSqlDatabase::database(connection_, false),
        "INSERT INTO draws (history_id, position, draw_no, draw_date, numbers, first_seen) VALUES (?, ?, ?, ?, ?, ?)");
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    const QVariant none = QVariant(QMetaType::fromType<int>());
    for (const Main::THistoryDraw& draw : draws) {
        q.bindValue(0, id);
        q.bindValue(1, draw.Position);
        q.bindValue(2, draw.DrawNo > 0 ? QVariant(draw.DrawNo) : none);
        q.bindValue(3, draw.Date > 0 ? QVariant(draw.Date) : none);
        q.bindValue(4, NumbersText(draw.Numbers));
        q.bindValue(5, now);
        Exec(q);
    }
}

qint64 THistoryStore::add(const TStoredHistory& history, const std::vector<Main::THistoryDraw>& draws)
{
    qint64 id = 0;
    inTransaction([&] {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        Run(db,
            "INSERT INTO histories (name, source, delimiter, header_lines, draw_no_field, number_fields, max_number, "
            "newest_first, updated, last_draws) VALUES ('', '', 0, 0, 0, '', 0, 0, '', 0)");
        QSqlQuery last = Run(db, "SELECT last_insert_rowid()");
        last.next();
        id = last.value(0).toLongLong();
        TStoredHistory record = history;
        record.Id = id;
        writeRecord(record);
        insertDraws(id, draws);
    });
    return id;
}

void THistoryStore::update(const TStoredHistory& history, const std::vector<Main::THistoryDraw>& added)
{
    inTransaction([&] {
        writeRecord(history);
        insertDraws(history.Id, added);
    });
}

void THistoryStore::rename(qint64 id, const QString& name)
{
    inTransaction([&] {
        QSqlQuery q
            = Prepared(QSqlDatabase::database(connection_, false), "UPDATE histories SET name = ? WHERE id = ?");
        q.addBindValue(Text(name));
        q.addBindValue(id);
        Exec(q);
    });
}

void THistoryStore::remove(qint64 id)
{
    inTransaction([&] {
        QSqlQuery q = Prepared(QSqlDatabase::database(connection_, false), "DELETE FROM histories WHERE id = ?");
        q.addBindValue(id);
        Exec(q);
    });
}
