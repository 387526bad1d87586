#include "index/catalogue_index.h"

#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <sqlite3.h>

#include <algorithm>
#include <utility>

namespace {

// Written into the file's header, so that another SQLite file put in its place is told apart
// from an index.
constexpr int ApplicationId = 0x5A554649;

const char* const Schema = R"(
CREATE TABLE folders(
    id INTEGER PRIMARY KEY,
    path BLOB NOT NULL UNIQUE,
    position INTEGER NOT NULL);
CREATE TABLE files(
    folder INTEGER NOT NULL,
    name BLOB NOT NULL,
    position INTEGER NOT NULL,
    size INTEGER NOT NULL,
    write_time INTEGER NOT NULL,
    change_time INTEGER NOT NULL,
    device INTEGER NOT NULL,
    inode INTEGER NOT NULL,
    checked INTEGER NOT NULL,
    bad INTEGER NOT NULL,
    tuning BLOB NOT NULL,
    title TEXT NOT NULL,
    subtitle TEXT NOT NULL,
    comments TEXT NOT NULL,
    PRIMARY KEY(folder, name)) WITHOUT ROWID;
)";

// One prepared statement, finalised when it goes.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        m_code = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int code() const { return m_code; }
    bool ok() const { return m_code == SQLITE_OK; }
    sqlite3_stmt* get() const { return m_stmt; }

    void bind(int at, const QByteArray& bytes) {
        sqlite3_bind_blob(m_stmt, at, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    void bind(int at, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_stmt, at, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bind(int at, std::int64_t value) { sqlite3_bind_int64(m_stmt, at, value); }
    // SQLITE_ROW, SQLITE_DONE or a failure.
    int step() { return m_code = sqlite3_step(m_stmt); }
    // Runs it to its end and makes it ready for new values; the outcome.
    int run() {
        step();
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        return m_code == SQLITE_DONE || m_code == SQLITE_ROW ? SQLITE_OK : m_code;
    }

    std::int64_t integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    QByteArray bytes(int column) const {
        const void* data = sqlite3_column_blob(m_stmt, column);
        return QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(m_stmt, column));
    }
    QString text(int column) const {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column));
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_code = SQLITE_OK;
};

int Execute(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

int PragmaNumber(sqlite3* db, const char* sql, int& code) {
    Statement pragma(db, sql);
    code = pragma.code();
    if (!pragma.ok())
        return 0;
    const int result = pragma.step() == SQLITE_ROW ? int(pragma.integer(0)) : 0;
    code = pragma.code() == SQLITE_ROW || pragma.code() == SQLITE_DONE ? SQLITE_OK : pragma.code();
    return result;
}

bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// The first key after every key that starts with `prefix`: the range [prefix, end) holds
// them all. Paths end in the separator, whose last byte is never 0xFF.
QByteArray RangeEnd(QByteArray prefix) {
    if (!prefix.isEmpty())
        prefix[prefix.size() - 1] = char(quint8(prefix.back()) + 1);
    return prefix;
}

QString Translate(const char* text) {
    return QCoreApplication::translate("Index", text);
}

// What the program does about a trouble, as the user reads it.
QString TroubleText(CatalogueIndex::Trouble trouble, const QString& detail) {
    switch (trouble) {
    case CatalogueIndex::Trouble::Replaced:
        return Translate("The catalogue index was of another version: every file is read and "
                         "the index is made anew");
    case CatalogueIndex::Trouble::Damaged:
        return Translate("The catalogue index was damaged and is kept as %1: every file is read "
                         "and a new index is made")
            .arg(detail);
    case CatalogueIndex::Trouble::Unusable:
        return Translate("The catalogue index cannot be used (%1): every file is read")
            .arg(detail);
    case CatalogueIndex::Trouble::None:
        break;
    }
    return {};
}

} // namespace

QByteArray IndexKey(const QString& text) {
#ifdef Q_OS_WIN
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
#else
    return EncodeFileName(text);
#endif
}

QString FromIndexKey(const QByteArray& bytes) {
#ifdef Q_OS_WIN
    return QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
#else
    return DecodeFileName(bytes);
#endif
}

QString CatalogueIndex::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Strumlex/ZUFFile/catalogue-index.sqlite");
}

bool CatalogueIndex::Forget(const QString& path, QString* error) {
    bool all = true;
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                  QStringLiteral(".broken")}) {
        QFile file(path + suffix);
        if (file.exists() && !file.remove()) {
            all = false;
            if (error)
                *error = file.errorString();
        }
    }
    return all;
}

CatalogueIndex::CatalogueIndex(QString path, int busyMilliseconds)
    : m_path(std::move(path)), m_busyMilliseconds(busyMilliseconds) {}

CatalogueIndex::~CatalogueIndex() {
    close();
}

void CatalogueIndex::close() {
    const std::lock_guard lock(m_mutex);
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

CatalogueIndex::Trouble CatalogueIndex::takeTrouble() {
    const std::lock_guard lock(m_mutex);
    const Trouble trouble = std::exchange(m_trouble, Trouble::None);
    if (trouble == Trouble::None || trouble == m_told)
        return Trouble::None;
    m_told = trouble;
    return trouble;
}

// Notes a failure of SQLite: damage puts the file aside and starts a new index; anything else
// leaves the index unused until it is opened again.
void CatalogueIndex::fail(int code, const char* doing) {
    if (IsDamage(code)) {
        putAsideDamaged();
        return;
    }
    const QString reason = m_db && sqlite3_errcode(m_db) == code
                               ? QString::fromUtf8(sqlite3_errmsg(m_db))
                               : QString::fromUtf8(sqlite3_errstr(code));
    if (m_trouble == Trouble::None) {
        m_trouble = Trouble::Unusable;
        m_troubleText = TroubleText(m_trouble, QStringLiteral("%1: %2")
                                                   .arg(QString::fromLatin1(doing), reason));
    }
    close();
}

// The damaged file is kept once beside the new one, with what SQLite kept beside it dropped.
void CatalogueIndex::putAsideDamaged() {
    close();
    const QString broken = m_path + QStringLiteral(".broken");
    QFile::remove(broken);
    QFile::rename(m_path, broken);
    QFile::remove(m_path + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    m_trouble = Trouble::Damaged;
    m_troubleText = TroubleText(m_trouble, QDir::toNativeSeparators(broken));
    if (openFile() && prepareSchema())
        return;
    close();
}

QString CatalogueIndex::troubleText() const {
    const std::lock_guard lock(m_mutex);
    return m_troubleText;
}

bool CatalogueIndex::open() {
    const std::lock_guard lock(m_mutex);
    if (m_db)
        return true;
    if (!openFile())
        return false;
    if (!prepareSchema()) {
        close();
        return false;
    }
    return m_db != nullptr;
}

bool CatalogueIndex::openFile() {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QByteArray name = m_path.toUtf8(); // SQLite takes UTF-8 names everywhere
    const int code = sqlite3_open_v2(name.constData(), &m_db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        fail(code, "open");
        return false;
    }
    sqlite3_busy_timeout(m_db, m_busyMilliseconds);
    sqlite3_extended_result_codes(m_db, 1);
    return true;
}

// The schema of this version, made when the file is new or of another version. A file that
// is not an index is damaged.
bool CatalogueIndex::prepareSchema() {
    int code = Execute(m_db, "PRAGMA journal_mode=WAL");
    if (code == SQLITE_OK)
        code = Execute(m_db, "PRAGMA synchronous=NORMAL");
    int id = code == SQLITE_OK ? PragmaNumber(m_db, "PRAGMA application_id", code) : 0;
    const int version = code == SQLITE_OK ? PragmaNumber(m_db, "PRAGMA user_version", code) : 0;
    const int tables =
        code == SQLITE_OK ? PragmaNumber(m_db, "SELECT count(*) FROM sqlite_schema", code) : 0;
    if (code != SQLITE_OK) {
        fail(code, "open");
        return m_db != nullptr;
    }
    if (id == ApplicationId && version == SchemaVersion)
        return true;
    if (id != ApplicationId && tables != 0) { // another program's file, or garbage
        putAsideDamaged();
        return m_db != nullptr;
    }
    if (tables != 0 && m_trouble == Trouble::None) {
        m_trouble = Trouble::Replaced;
        m_troubleText = TroubleText(m_trouble, {});
    }
    return makeSchema();
}

// Drops whatever tables there are and makes this version's, in one transaction that another
// process making them at the same time waits for.
bool CatalogueIndex::makeSchema() {
    int code = Execute(m_db, "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) {
        fail(code, "make");
        return false;
    }
    int unused = SQLITE_OK;
    if (PragmaNumber(m_db, "PRAGMA application_id", unused) == ApplicationId &&
        PragmaNumber(m_db, "PRAGMA user_version", unused) == SchemaVersion)
        return Execute(m_db, "COMMIT") == SQLITE_OK; // the other process made it meanwhile
    code = Execute(m_db, "DROP TABLE IF EXISTS files; DROP TABLE IF EXISTS folders;");
    if (code == SQLITE_OK)
        code = Execute(m_db, Schema);
    if (code == SQLITE_OK) {
        const QByteArray pragmas = QStringLiteral("PRAGMA application_id=%1; PRAGMA user_version=%2")
                                       .arg(ApplicationId)
                                       .arg(SchemaVersion)
                                       .toLatin1();
        code = Execute(m_db, pragmas.constData());
    }
    if (code == SQLITE_OK)
        code = Execute(m_db, "COMMIT");
    if (code != SQLITE_OK) {
        Execute(m_db, "ROLLBACK");
        fail(code, "make");
        return false;
    }
    return true;
}

bool CatalogueIndex::loadTree(const QString& root, std::vector<IndexedFolder>& folders,
                              const std::function<void(IndexedFile&&)>& each,
                              const std::atomic<bool>* stop) {
    const std::lock_guard lock(m_mutex);
    folders.clear();
    if (!open())
        return false;
    const QByteArray from = IndexKey(root);
    const QByteArray to = RangeEnd(from);
    // Both reads in one transaction see the same state of the file.
    int code = Execute(m_db, "BEGIN");
    QHash<std::int64_t, int> folderById;
    {
        Statement list(m_db, "SELECT id, path, position FROM folders "
                             "WHERE path >= ?1 AND path < ?2");
        code = code == SQLITE_OK ? list.code() : code;
        if (code == SQLITE_OK) {
            list.bind(1, from);
            list.bind(2, to);
            while (list.step() == SQLITE_ROW) {
                folderById.insert(list.integer(0), int(folders.size()));
                folders.push_back({FromIndexKey(list.bytes(1)), int(list.integer(2))});
            }
            code = list.code() == SQLITE_DONE ? SQLITE_OK : list.code();
        }
    }
    if (code == SQLITE_OK) {
        Statement files(m_db,
                        "SELECT f.folder, f.name, f.position, f.size, f.write_time, "
                        "f.change_time, f.device, f.inode, f.checked, f.bad, f.tuning, f.title, "
                        "f.subtitle, f.comments FROM folders d JOIN files f ON f.folder = d.id "
                        "WHERE d.path >= ?1 AND d.path < ?2");
        code = files.code();
        if (code == SQLITE_OK) {
            files.bind(1, from);
            files.bind(2, to);
            while (!(stop && stop->load()) && files.step() == SQLITE_ROW) {
                const auto folder = folderById.constFind(files.integer(0));
                if (folder == folderById.cend())
                    continue;
                IndexedFile record;
                Entry& entry = record.entry;
                entry.folder = folders[size_t(*folder)].path;
                entry.name = FromIndexKey(files.bytes(1));
                record.position = int(files.integer(2));
                record.folder = *folder;
                record.stamp = {std::uint64_t(files.integer(3)), files.integer(4),
                                files.integer(5), std::uint64_t(files.integer(6)),
                                std::uint64_t(files.integer(7))};
                record.checkedAt = files.integer(8);
                entry.lastWriteTime = FileClockMs(record.stamp.writeTime);
                entry.size = quint32(record.stamp.size); // the low 32 bits, as a row keeps
                entry.isBad = files.integer(9) ? 1 : 0;
                const QByteArray tuning = files.bytes(10);
                std::copy_n(tuning.constData(),
                            std::min(size_t(tuning.size()), entry.tuning.size()),
                            entry.tuning.begin());
                entry.title = files.text(11);
                entry.subtitle = files.text(12);
                entry.comments = files.text(13);
                each(std::move(record));
            }
            if (!(stop && stop->load()))
                code = files.code() == SQLITE_DONE ? SQLITE_OK : files.code();
        }
    }
    Execute(m_db, "COMMIT");
    if (code != SQLITE_OK) {
        fail(code, "read");
        return false;
    }
    m_told = Trouble::None;
    return true;
}

bool CatalogueIndex::write(const IndexChanges& changes) {
    const std::lock_guard lock(m_mutex);
    if (changes.empty())
        return m_db != nullptr || open();
    if (!open())
        return false;
    int code = Execute(m_db, "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) {
        fail(code, "write");
        return false;
    }
    {
        Statement folderId(m_db, "SELECT id FROM folders WHERE path = ?1");
        Statement addFolder(m_db, "INSERT INTO folders(path, position) VALUES(?1, ?2) "
                                  "ON CONFLICT(path) DO UPDATE SET position = excluded.position");
        Statement dropFolderFiles(m_db, "DELETE FROM files WHERE folder = "
                                        "(SELECT id FROM folders WHERE path = ?1)");
        Statement dropFolder(m_db, "DELETE FROM folders WHERE path = ?1");
        Statement putFile(m_db,
                          "INSERT OR REPLACE INTO files(folder, name, position, size, "
                          "write_time, change_time, device, inode, checked, bad, tuning, title, "
                          "subtitle, comments) "
                          "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)");
        Statement dropFile(m_db, "DELETE FROM files WHERE folder = "
                                 "(SELECT id FROM folders WHERE path = ?1) AND name = ?2");
        Statement placeFile(m_db, "UPDATE files SET position = ?3 WHERE folder = "
                                  "(SELECT id FROM folders WHERE path = ?1) AND name = ?2");
        for (const Statement* s : {&folderId, &addFolder, &dropFolderFiles, &dropFolder,
                                   &putFile, &dropFile, &placeFile})
            if (code == SQLITE_OK)
                code = s->code();

        for (size_t i = 0; code == SQLITE_OK && i < changes.goneFolders.size(); ++i) {
            const QByteArray key = IndexKey(changes.goneFolders[i]);
            dropFolderFiles.bind(1, key);
            code = dropFolderFiles.run();
            if (code == SQLITE_OK) {
                dropFolder.bind(1, key);
                code = dropFolder.run();
            }
        }
        for (size_t i = 0; code == SQLITE_OK && i < changes.folders.size(); ++i) {
            addFolder.bind(1, IndexKey(changes.folders[i].path));
            addFolder.bind(2, std::int64_t(changes.folders[i].position));
            code = addFolder.run();
        }
        for (size_t i = 0; code == SQLITE_OK && i < changes.goneFiles.size(); ++i) {
            dropFile.bind(1, IndexKey(changes.goneFiles[i].first));
            dropFile.bind(2, IndexKey(changes.goneFiles[i].second));
            code = dropFile.run();
        }
        for (size_t i = 0; code == SQLITE_OK && i < changes.places.size(); ++i) {
            placeFile.bind(1, IndexKey(changes.places[i].folder));
            placeFile.bind(2, IndexKey(changes.places[i].name));
            placeFile.bind(3, std::int64_t(changes.places[i].position));
            code = placeFile.run();
        }
        // The folders' ids, looked up once a folder (the files of one folder come together).
        QString lastFolder;
        std::int64_t lastId = -1;
        for (size_t i = 0; code == SQLITE_OK && i < changes.files.size(); ++i) {
            const IndexedFile& file = changes.files[i];
            const Entry& entry = file.entry;
            if (lastId < 0 || entry.folder != lastFolder) {
                const QByteArray key = IndexKey(entry.folder);
                folderId.bind(1, key);
                lastId = folderId.step() == SQLITE_ROW ? folderId.integer(0) : -1;
                code = folderId.run();
                if (code == SQLITE_OK && lastId < 0) { // not recorded yet: at place 0
                    addFolder.bind(1, key);
                    addFolder.bind(2, std::int64_t(0));
                    code = addFolder.run();
                    lastId = sqlite3_last_insert_rowid(m_db);
                }
                lastFolder = entry.folder;
            }
            if (code != SQLITE_OK)
                break;
            putFile.bind(1, lastId);
            putFile.bind(2, IndexKey(entry.name));
            putFile.bind(3, std::int64_t(file.position));
            putFile.bind(4, std::int64_t(file.stamp.size));
            putFile.bind(5, file.stamp.writeTime);
            putFile.bind(6, file.stamp.changeTime);
            putFile.bind(7, std::int64_t(file.stamp.device));
            putFile.bind(8, std::int64_t(file.stamp.inode));
            putFile.bind(9, file.checkedAt);
            putFile.bind(10, std::int64_t(entry.isBad ? 1 : 0));
            putFile.bind(11, QByteArray(reinterpret_cast<const char*>(entry.tuning.data()),
                                        qsizetype(entry.tuning.size())));
            putFile.bind(12, entry.title);
            putFile.bind(13, entry.subtitle);
            putFile.bind(14, entry.comments);
            code = putFile.run();
        }
    }
    if (code == SQLITE_OK)
        code = Execute(m_db, "COMMIT");
    if (code != SQLITE_OK) {
        Execute(m_db, "ROLLBACK");
        fail(code, "write");
        return false;
    }
    m_told = Trouble::None;
    return true;
}

std::int64_t CatalogueIndex::sizeOnDisk() const {
    return QFileInfo(m_path).size() + QFileInfo(m_path + QStringLiteral("-wal")).size();
}
