#pragma once
// The IP set store: one SQLite file beside the program, two tables, and the
// table contract (a current row, First/Next/Eof, Locate, FieldByName, and a
// pending row that Insert/Edit start and Post/Cancel end) every other part uses.
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <future>
#include <optional>

enum class TDataSetState { dsBrowse, dsEdit, dsInsert };

class QSqlQuery;
class TqxTable;

// A field of the current row, reached by name. A light handle: it holds no value.
class TqxField {
public:
    TqxField(TqxTable* table, int index) : FTable(table), FIndex(index) {}

    QString FieldName() const;
    bool IsNull() const;
    QVariant Value() const;
    // Readers: a null reads as 0, "" and false; a boolean reads as "True"/"False".
    int AsInteger() const;
    QString AsString() const;
    bool AsBoolean() const;
    // False for a value the store holds that does not fit the field's kind (text
    // in an integer column, a number beyond 32 bits): the readers raise for it.
    bool IsReadable() const;
    // Writers: they change the pending row (after Insert or Edit) only.
    void SetValue(const QVariant& value);
    void SetAsString(const QString& value);
    void SetAsInteger(int value);
    void SetAsBoolean(bool value);
    void Clear();

private:
    TqxTable* FTable;
    int FIndex;
};

class TqxTable : public QObject {
    Q_OBJECT
public:
    enum class FieldKind { Integer, Text, Boolean };

    explicit TqxTable(QObject* owner = nullptr);

    void SetConnectionName(const QString& connectionName) { FConnectionName = connectionName; }
    void SetTableName(const QString& tableName) { FTableName = tableName; }
    QString TableName() const { return FTableName; }

    // Reads the table's columns and rows. Every name of requiredFields must be a
    // column (letter case aside); the table must have an integer key "ID". With
    // readRows false the table opens empty and its rows come with the first Refresh.
    void Open(const QStringList& requiredFields = {}, bool readRows = true);
    // Starts reading the rows on another thread, over a connection of its own, for the
    // next Refresh to take instead of reading them itself. A change made through this
    // table before then, or a failed read, leaves that Refresh to read as always. For a
    // refresh that follows soon (the window's first), as SQL run past this table is not seen.
    void LoadRowsInBackground();
    bool Active() const { return FActive; }

    void First();
    void Next();
    bool Eof() const { return FEof; }
    int RecordCount() const { return FRows.size(); }
    // Index of the current row, -1 when there is none (empty table).
    int RecNo() const { return FCurrent; }
    // Re-reads the rows; the current row stays on the same ID where it still exists.
    void Refresh();
    // Exact, whole-value search; on success the row becomes current.
    bool Locate(const QString& fieldName, const QVariant& value);

    TqxField FieldByName(const QString& name);
    int FieldIndex(const QString& name) const;  // -1 when missing
    QStringList FieldNames() const { return FFieldNames; }
    FieldKind KindOf(int field) const { return FKinds.at(field); }

    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    TDataSetState State() const { return FState; }

    // For views over the table: the stored value of any row, and moving to a row.
    QVariant StoredValue(int row, int field) const { return FRows.at(row).at(field); }
    void MoveTo(int row);

    // The first field of the current row whose value cannot be read; empty when all can.
    QString UnreadableField() const;
    // The current row's key as stored, and whether a key is one the program can
    // name (1 to 2147483647). Rows with other keys are shown but never found by ID.
    QVariant CurrentId() const;
    static bool IsUsableId(const QVariant& id);

    // Errors of the file name it: set once the store is open.
    void SetStorePath(const QString& path) { FStorePath = path; }

    // Used by TqxField.
    QVariant CurrentValue(int field) const;
    bool IsReadable(int field, const QVariant& value) const;
    void AssignValue(int field, const QVariant& value);

signals:
    void CurrentChanged();  // another row became current
    void DataChanged();     // rows were re-read, posted or deleted
    void StateChanged();    // a pending row started or ended

private:
    void RequireActive() const;
    int RequireField(const QString& name) const;
    void EndPendingImplicitly();
    void LoadRows();
    void DropBackgroundRows();
    void RebuildIdIndex();
    void SetState(TDataSetState state);
    [[noreturn]] void FailInStore(const QString& message) const;
    QVector<QVariant> RowOf(const QSqlQuery& query) const;
    QString ColumnList() const;
    QString SelectRows() const;  // the query every read of the rows runs
    QString Quoted(const QString& identifier) const;

    QString FConnectionName;
    QString FTableName;
    QString FStorePath;
    bool FActive = false;
    QStringList FFieldNames;
    QVector<FieldKind> FKinds;
    int FIdField = -1;
    QVector<QVector<QVariant>> FRows;
    QHash<int, int> FRowOfId;  // ID -> row index: Locate by ID is the hot path
    int FCurrent = -1;
    bool FEof = true;
    TDataSetState FState = TDataSetState::dsBrowse;
    QVector<QVariant> FPending;
    QVector<bool> FAssigned;
    // Last: a table that goes waits for its background read first.
    std::future<std::optional<QVector<QVector<QVariant>>>> FBackgroundRows;
};

// The process-wide store: the connection and the two open tables.
class TqxIPDBManager : public QObject {
    Q_OBJECT
public:
    explicit TqxIPDBManager(QObject* owner = nullptr);
    ~TqxIPDBManager() override;

    // Opens the program's store (store/StoreLocation.h): beside a portable copy, else the
    // user's own, which an installed copy makes empty when there is none yet.
    // SetRows::AtFirstRefresh leaves the IP sets' rows to the first refresh of that table:
    // a window that fills its tree right after showing need not read them twice.
    // SetRows::InBackground also starts reading them for that refresh on another thread
    // (TqxTable::LoadRowsInBackground), while the window is made and shown.
    enum class SetRows { Now, AtFirstRefresh, InBackground };
    void InitializeDataBase(SetRows rows = SetRows::Now);
    // Opens a store at the given path (tests, tools). Never creates anything.
    void InitializeDataBase(const QString& path, SetRows rows = SetRows::Now);

    // The store beside the program: <program folder>/DataBase/ipdb.ipdb.
    static QString DefaultDatabasePath();
    // The store InitializeDataBase() made on this start; empty when it opened an existing one.
    QString MadeStorePath() const { return FMadeStorePath; }

    // How long opening (and any write) waits for another program's write to the store to
    // end: 500 ms, so a store locked for good is reported at once. Set before opening.
    void SetLockWait(int milliseconds) { FLockWaitMs = milliseconds; }

    TqxTable* IPSets() const { return FIPSets; }
    TqxTable* ConnectionNames() const { return FConnectionNames; }
    QString ConnectionName() const { return FConnectionName; }

private:
    void Disconnect();

    QString FConnectionName;
    QString FMadeStorePath;
    int FLockWaitMs = 500;
    TqxTable* FIPSets;
    TqxTable* FConnectionNames;
};

// The single store, created on first use with the application object as owner.
TqxIPDBManager* IPDBManager();
