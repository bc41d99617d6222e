#include "store/o_DatabaseConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>
#include <limits>

#include "common/qxError.h"
#include "common/qxText.h"

namespace {

[[noreturn]] void Fail(const QString& message) { throw EqxError(message.toStdString()); }

QString BoolText(bool b) { return QString::fromLatin1(BoolToStr(b)); }

// Brings a value read from SQLite, or assigned by a caller, into the field's kind.
QVariant Normalized(TqxTable::FieldKind kind, const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    switch (kind) {
    case TqxTable::FieldKind::Integer: {
        if (v.typeId() == QMetaType::QString)
            return QVariant(StrToInt(v.toString().toStdString()));
        // Only what fits the program's 32-bit numbers: a wider value cut down would be another number.
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max() ||
            (v.typeId() == QMetaType::Double && static_cast<double>(n) != v.toDouble()))
            Fail(QCoreApplication::translate("TqxTable", "'%1' is not a valid integer value").arg(v.toString()));
        return QVariant(static_cast<int>(n));
    }
    case TqxTable::FieldKind::Boolean:
        if (v.typeId() == QMetaType::QString) {
            const QString s = v.toString();
            if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                return QVariant(true);
            if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                return QVariant(false);
            Fail(QCoreApplication::translate("TqxTable", "'%1' is not a valid boolean value").arg(s));
        }
        return QVariant(v.toLongLong() != 0);
    case TqxTable::FieldKind::Text:
        if (v.typeId() == QMetaType::Bool)
            return QVariant(BoolText(v.toBool()));
        return QVariant(v.toString());
    }
    return v;
}

QVariant ForStorage(const QVariant& v)
{
    if (v.isNull())
        return QVariant();
    if (v.typeId() == QMetaType::Bool)
        return QVariant(v.toBool() ? 1 : 0);
    return v;
}

}  // namespace

// ---- TqxField ---------------------------------------------------------------

QString TqxField::FieldName() const { return FTable->FieldNames().at(FIndex); }
QVariant TqxField::Value() const { return FTable->CurrentValue(FIndex); }
bool TqxField::IsNull() const { return Value().isNull(); }

int TqxField::AsInteger() const
{
    const QVariant v = Value();
    if (v.isNull())
        return 0;
    return Normalized(TqxTable::FieldKind::Integer, v).toInt();  // raises for what does not fit
}

bool TqxField::IsReadable() const { return FTable->IsReadable(FIndex, Value()); }

QString TqxField::AsString() const
{
    const QVariant v = Value();
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Bool)
        return BoolText(v.toBool());
    return v.toString();
}

bool TqxField::AsBoolean() const
{
    const QVariant v = Value();
    if (v.isNull())
        return false;
    return Normalized(TqxTable::FieldKind::Boolean, v).toBool();
}

void TqxField::SetValue(const QVariant& value) { FTable->AssignValue(FIndex, value); }
void TqxField::SetAsString(const QString& value) { FTable->AssignValue(FIndex, QVariant(value)); }
void TqxField::SetAsInteger(int value) { FTable->AssignValue(FIndex, QVariant(value)); }
void TqxField::SetAsBoolean(bool value) { FTable->AssignValue(FIndex, QVariant(value)); }
void TqxField::Clear() { FTable->AssignValue(FIndex, QVariant()); }

// ---- TqxTable ---------------------------------------------------------------

TqxTable::TqxTable(QObject* owner) : QObject(owner) {}

QString TqxTable::Quoted(const QString& identifier) const
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

void TqxTable::RequireActive() const
{
    if (!FActive)
        Fail(QCoreApplication::translate("TqxTable", "%1: Cannot perform this operation on a closed dataset").arg(FTableName));
}

void TqxTable::Open(const QStringList& requiredFields, bool readRows)
{
    DropBackgroundRows();
    QSqlDatabase db = QSqlDatabase::database(FConnectionName, false);
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(FTableName))))
        Fail(info.lastError().text());
    FFieldNames.clear();
    FKinds.clear();
    while (info.next()) {
        FFieldNames << info.value(1).toString();
        const QString type = info.value(2).toString().toUpper();
        if (type.contains(QLatin1String("BOOL")))
            FKinds << FieldKind::Boolean;
        else if (type.contains(QLatin1String("INT")))
            FKinds << FieldKind::Integer;
        else
            FKinds << FieldKind::Text;
    }
    if (FFieldNames.isEmpty())
        Fail(QCoreApplication::translate("TqxTable", "the table %1 is missing").arg(FTableName));
    for (const QString& f : requiredFields)
        if (FieldIndex(f) < 0)
            Fail(QCoreApplication::translate("TqxTable", "the table %1 has no column %2").arg(FTableName, f));
    FIdField = FieldIndex(QStringLiteral("ID"));
    if (FIdField < 0 || FKinds[FIdField] != FieldKind::Integer)
        Fail(QCoreApplication::translate("TqxTable", "the table %1 has no integer key column ID").arg(FTableName));
    FActive = true;
    if (readRows) {
        LoadRows();
    } else {
        FRows.clear();
        RebuildIdIndex();
    }
    First();
}

void TqxTable::LoadRowsInBackground()
{
    RequireActive();
    DropBackgroundRows();
    const QSqlDatabase main = QSqlDatabase::database(FConnectionName, false);
    const QString driver = main.driverName(), file = main.databaseName(), options = main.connectOptions();
    const QString select = SelectRows();
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("%1-background-%2").arg(FConnectionName).arg(++counter);
    // The columns and their kinds, which RowOf reads, stay as they are until this is
    // taken or dropped: only Open changes them, and it drops it first.
    FBackgroundRows = std::async(std::launch::async, [=, this]() -> std::optional<QVector<QVector<QVariant>>> {
        std::optional<QVector<QVector<QVariant>>> rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(driver, name);
            db.setDatabaseName(file);
            db.setConnectOptions(options);
            if (db.open()) {
                QSqlQuery q(db);
                q.setForwardOnly(true);
                if (q.exec(select)) {
                    QVector<QVector<QVariant>> read;
                    while (q.next())
                        read.push_back(RowOf(q));
                    if (q.lastError().type() == QSqlError::NoError)
                        rows = std::move(read);
                }
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return rows;
    });
}

void TqxTable::DropBackgroundRows()
{
    if (FBackgroundRows.valid())
        FBackgroundRows.get();
}

void TqxTable::LoadRows()
{
    if (FBackgroundRows.valid()) {
        if (std::optional<QVector<QVector<QVariant>>> rows = FBackgroundRows.get()) {
            FRows = std::move(*rows);
            RebuildIdIndex();
            return;
        }
    }
    QSqlDatabase db = QSqlDatabase::database(FConnectionName, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(SelectRows()))
        FailInStore(q.lastError().text());
    FRows.clear();
    while (q.next())
        FRows.push_back(RowOf(q));
    RebuildIdIndex();
}

void TqxTable::RebuildIdIndex()
{
    FRowOfId.clear();
    FRowOfId.reserve(FRows.size());
    // Only IDs the program can name are found by ID: any other never stands for another row.
    for (int i = FRows.size() - 1; i >= 0; --i)
        if (IsUsableId(FRows[i][FIdField]))
            FRowOfId.insert(FRows[i][FIdField].toInt(), i);
}

int TqxTable::FieldIndex(const QString& name) const
{
    for (int i = 0; i < FFieldNames.size(); ++i)
        if (FFieldNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TqxTable::RequireField(const QString& name) const
{
    const int i = FieldIndex(name);
    if (i < 0)
        Fail(QCoreApplication::translate("TqxTable", "%1: Field '%2' not found").arg(FTableName, name));
    return i;
}

TqxField TqxTable::FieldByName(const QString& name) { return TqxField(this, RequireField(name)); }

bool TqxTable::IsReadable(int field, const QVariant& value) const
{
    // Values that fit their column were brought into its kind on loading; others were kept as stored.
    if (value.isNull())
        return true;
    switch (FKinds.at(field)) {
    case FieldKind::Integer:
        return value.typeId() == QMetaType::Int;
    case FieldKind::Boolean:
        return value.typeId() == QMetaType::Bool;
    case FieldKind::Text:
        return true;
    }
    return false;
}

QString TqxTable::UnreadableField() const
{
    for (int i = 0; i < FFieldNames.size(); ++i)
        if (!IsReadable(i, CurrentValue(i)))
            return FFieldNames[i];
    return QString();
}

bool TqxTable::IsUsableId(const QVariant& id)
{
    return id.typeId() == QMetaType::Int && id.toInt() > 0;
}

QVariant TqxTable::CurrentId() const
{
    return FCurrent >= 0 ? FRows.at(FCurrent).at(FIdField) : QVariant();
}

void TqxTable::FailInStore(const QString& message) const
{
    Fail(FStorePath.isEmpty() ? message
                              : QCoreApplication::translate("TqxTable", "IP set store %1: %2").arg(QDir::toNativeSeparators(FStorePath), message));
}

QVector<QVariant> TqxTable::RowOf(const QSqlQuery& query) const
{
    const int n = FFieldNames.size();
    QVector<QVariant> row(n);
    for (int i = 0; i < n; ++i) {
        // A value that does not fit its column's kind (SQLite allows it) is kept
        // as stored; reading it as that kind is then the error, not the whole load.
        try {
            row[i] = Normalized(FKinds[i], query.value(i));
        } catch (const EqxError&) {
            row[i] = query.value(i);
        }
    }
    return row;
}

QString TqxTable::SelectRows() const
{
    // Rows in the order the database keeps them: the key's order.
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(ColumnList(), Quoted(FTableName), Quoted(FFieldNames[FIdField]));
}

QString TqxTable::ColumnList() const
{
    QStringList cols;
    for (const QString& f : FFieldNames)
        cols << Quoted(f);
    return cols.join(QLatin1Char(','));
}

QVariant TqxTable::CurrentValue(int field) const
{
    if (FState != TDataSetState::dsBrowse)
        return FPending.at(field);
    if (FCurrent < 0)
        return QVariant();
    return FRows.at(FCurrent).at(field);
}

void TqxTable::AssignValue(int field, const QVariant& value)
{
    if (FState == TDataSetState::dsBrowse)
        Fail(QCoreApplication::translate("TqxTable", "%1: Dataset not in edit or insert mode").arg(FTableName));
    if (field == FIdField)
        Fail(QCoreApplication::translate("TqxTable", "%1: Field '%2' cannot be modified").arg(FTableName, FFieldNames[field]));
    FPending[field] = Normalized(FKinds[field], value);
    FAssigned[field] = true;
    emit CurrentChanged();
}

void TqxTable::SetState(TDataSetState state)
{
    if (FState == state)
        return;
    FState = state;
    emit StateChanged();
}

void TqxTable::EndPendingImplicitly()
{
    if (FState == TDataSetState::dsBrowse)
        return;
    if (FAssigned.contains(true))
        Post();
    else
        Cancel();
}

void TqxTable::First()
{
    RequireActive();
    EndPendingImplicitly();
    FCurrent = FRows.isEmpty() ? -1 : 0;
    FEof = FRows.isEmpty();
    emit CurrentChanged();
}

void TqxTable::Next()
{
    RequireActive();
    EndPendingImplicitly();
    if (FCurrent + 1 < FRows.size())
        ++FCurrent;
    else
        FEof = true;  // the last row stays current, as a walk past the end leaves it
    emit CurrentChanged();
}

void TqxTable::MoveTo(int row)
{
    RequireActive();
    EndPendingImplicitly();
    if (row < 0 || row >= FRows.size())
        return;
    FCurrent = row;
    FEof = false;
    emit CurrentChanged();
}

void TqxTable::Refresh()
{
    RequireActive();
    EndPendingImplicitly();
    const QVariant currentId = FCurrent >= 0 ? FRows[FCurrent][FIdField] : QVariant();
    LoadRows();
    const auto it = IsUsableId(currentId) ? FRowOfId.constFind(currentId.toInt()) : FRowOfId.cend();
    FCurrent = it != FRowOfId.cend() ? it.value() : (FRows.isEmpty() ? -1 : 0);
    FEof = FRows.isEmpty();
    emit DataChanged();
    emit CurrentChanged();
}

bool TqxTable::Locate(const QString& fieldName, const QVariant& value)
{
    RequireActive();
    const int field = RequireField(fieldName);
    EndPendingImplicitly();
    if (value.isNull())
        return false;
    int found = -1;
    if (field == FIdField) {
        bool ok = false;
        const qint64 id = value.toLongLong(&ok);
        if (ok && id > 0 && id <= std::numeric_limits<int>::max()) {
            const auto it = FRowOfId.constFind(static_cast<int>(id));
            if (it != FRowOfId.cend())
                found = it.value();
        }
    } else {
        QVariant wanted;
        try {
            wanted = Normalized(FKinds[field], value);
        } catch (const EqxError&) {
            return false;  // a text that is no number matches no integer
        }
        for (int i = 0; i < FRows.size(); ++i) {
            const QVariant& v = FRows[i][field];
            if (!v.isNull() && v == wanted) {
                found = i;
                break;
            }
        }
    }
    if (found < 0)
        return false;
    FCurrent = found;
    FEof = false;
    emit CurrentChanged();
    return true;
}

void TqxTable::Insert()
{
    RequireActive();
    EndPendingImplicitly();
    FPending = QVector<QVariant>(FFieldNames.size());
    FAssigned = QVector<bool>(FFieldNames.size(), false);
    SetState(TDataSetState::dsInsert);
    emit CurrentChanged();
}

void TqxTable::Edit()
{
    RequireActive();
    if (FState != TDataSetState::dsBrowse)
        return;
    if (FCurrent < 0)  // nothing to edit: the edit of an empty table starts a new row
        return Insert();
    FPending = FRows[FCurrent];
    FAssigned = QVector<bool>(FFieldNames.size(), false);
    SetState(TDataSetState::dsEdit);
}

void TqxTable::Post()
{
    RequireActive();
    if (FState == TDataSetState::dsBrowse)
        return;
    DropBackgroundRows();  // read before this change
    QSqlDatabase db = QSqlDatabase::database(FConnectionName, false);
    QSqlQuery q(db);
    QStringList cols;
    QVariantList values;
    for (int i = 0; i < FFieldNames.size(); ++i) {
        if (i != FIdField && FAssigned[i]) {
            cols << Quoted(FFieldNames[i]);
            values << ForStorage(FPending[i]);
        }
    }
    if (FState == TDataSetState::dsInsert) {
        const QString sql = cols.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Quoted(FTableName))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(Quoted(FTableName), cols.join(QLatin1Char(',')),
                       QStringList(cols.size(), QStringLiteral("?")).join(QLatin1Char(',')));
        if (!q.prepare(sql))
            Fail(q.lastError().text());
        for (const QVariant& v : values)
            q.addBindValue(v);
        if (!q.exec())
            FailInStore(q.lastError().text());
        // A trigger may refuse or undo an insert without an error: only a row read back from the file counts.
        const QVariant rowId = q.numRowsAffected() == 1 ? q.lastInsertId() : QVariant();
        QSqlQuery back(db);
        back.setForwardOnly(true);
        if (rowId.isNull() ||
            !back.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?").arg(ColumnList(), Quoted(FTableName))))
            FailInStore(QCoreApplication::translate("TqxTable", "the new row was not added to the table %1").arg(FTableName));
        back.addBindValue(rowId);
        if (!back.exec() || !back.next())
            FailInStore(QCoreApplication::translate("TqxTable", "the new row was not added to the table %1").arg(FTableName));
        FPending = RowOf(back);
        FRows.push_back(FPending);
        FCurrent = FRows.size() - 1;
        if (IsUsableId(FPending[FIdField]))
            FRowOfId.insert(FPending[FIdField].toInt(), FCurrent);
    } else {
        if (!cols.isEmpty()) {
            QStringList sets;
            for (const QString& c : cols)
                sets << c + QStringLiteral("=?");
            if (!q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3=?")
                               .arg(Quoted(FTableName), sets.join(QLatin1Char(',')), Quoted(FFieldNames[FIdField]))))
                Fail(q.lastError().text());
            for (const QVariant& v : values)
                q.addBindValue(v);
            q.addBindValue(FPending[FIdField]);
            if (!q.exec())
                FailInStore(q.lastError().text());
        }
        FRows[FCurrent] = FPending;
    }
    FEof = false;
    FPending.clear();
    FAssigned.clear();
    SetState(TDataSetState::dsBrowse);
    emit DataChanged();
    emit CurrentChanged();
}

void TqxTable::Cancel()
{
    if (FState == TDataSetState::dsBrowse)
        return;
    FPending.clear();
    FAssigned.clear();
    SetState(TDataSetState::dsBrowse);
    emit CurrentChanged();
}

void TqxTable::Delete()
{
    RequireActive();
    if (FState == TDataSetState::dsInsert)
        return Cancel();  // a row never posted has nothing to delete
    Cancel();
    if (FCurrent < 0)
        Fail(QCoreApplication::translate("TqxTable", "%1: Cannot perform this operation on an empty dataset").arg(FTableName));
    DropBackgroundRows();
    QSqlDatabase db = QSqlDatabase::database(FConnectionName, false);
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(Quoted(FTableName), Quoted(FFieldNames[FIdField]))))
        Fail(q.lastError().text());
    q.addBindValue(FRows[FCurrent][FIdField]);
    if (!q.exec())
        FailInStore(q.lastError().text());
    FRows.remove(FCurrent);
    RebuildIdIndex();
    if (FCurrent >= FRows.size())
        FCurrent = FRows.size() - 1;
    FEof = FRows.isEmpty();
    emit DataChanged();
    emit CurrentChanged();
}
