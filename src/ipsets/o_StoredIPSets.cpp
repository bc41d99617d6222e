#include "ipsets/o_StoredIPSets.h"

#include <QHash>

#include "common/qxText.h"
#include "store/o_DatabaseConnection.h"

QHash<int, QString> ConnectionNamesByID(TqxTable* Connections)
{
    QHash<int, QString> names;
    if (!Connections || !Connections->Active())
        return names;
    const int id = Connections->FieldIndex(QStringLiteral("ID"));
    const int name = Connections->FieldIndex(QStringLiteral("CONNECTIONNAME"));
    names.reserve(Connections->RecordCount());
    for (int row = 0; row < Connections->RecordCount(); ++row) {
        const QVariant key = Connections->StoredValue(row, id);
        if (!TqxTable::IsUsableId(key))
            continue;
        const QVariant value = Connections->StoredValue(row, name);
        // As a field's AsString reads it: a boolean as True or False, null as empty.
        names.insert(key.toInt(), value.typeId() == QMetaType::Bool ? QString::fromLatin1(BoolToStr(value.toBool()))
                                                                    : value.isNull() ? QString() : value.toString());
    }
    return names;
}

std::vector<std::string> ReadConnectionNames(TqxTable* Connections)
{
    std::vector<std::string> names;
    if (!Connections || !Connections->Active())
        return names;
    const int name = Connections->FieldIndex(QStringLiteral("CONNECTIONNAME"));
    for (int row = 0; row < Connections->RecordCount(); ++row)
        names.push_back(Connections->StoredValue(row, name).toString().toStdString());
    return names;
}

std::vector<TStoredIPSet> ReadStoredIPSets(TqxTable* Sets, TqxTable* Connections)
{
    std::vector<TStoredIPSet> result;
    if (!Sets || !Sets->Active())
        return result;
    QHash<int, std::string> connectionNames;
    if (Connections && Connections->Active()) {
        const int id = Connections->FieldIndex(QStringLiteral("ID"));
        const int name = Connections->FieldIndex(QStringLiteral("CONNECTIONNAME"));
        // A key the program cannot name is left out: read as a number it could be another row's.
        for (int row = 0; row < Connections->RecordCount(); ++row)
            if (const QVariant key = Connections->StoredValue(row, id); TqxTable::IsUsableId(key))
                connectionNames.insert(key.toInt(), Connections->StoredValue(row, name).toString().toStdString());
    }
    const auto field = [Sets](const char* name) { return Sets->FieldIndex(QLatin1String(name)); };
    const int id = field("ID"), name = field("IPSET_NAME"), ip = field("IPADDRESS"), mask = field("SUBNETMASK"),
              gateway = field("GATEWAY"), dns = field("DNS"), dhcp = field("DHCP"), connection = field("CONNECTION");
    result.reserve(static_cast<std::size_t>(Sets->RecordCount()));
    for (int row = 0; row < Sets->RecordCount(); ++row) {
        const auto text = [&](int f) { return Sets->StoredValue(row, f).toString().toStdString(); };
        TStoredIPSet set;
        const QVariant key = Sets->StoredValue(row, id);
        set.Id = TqxTable::IsUsableId(key) ? key.toInt() : 0;
        set.Name = text(name);
        set.Address = text(ip);
        set.Mask = text(mask);
        set.Gateway = text(gateway);
        set.Dns = text(dns);
        set.Dhcp = Sets->StoredValue(row, dhcp).toBool();
        const QVariant cid = Sets->StoredValue(row, connection);
        set.Connection = TqxTable::IsUsableId(cid) ? connectionNames.value(cid.toInt()) : std::string();
        result.push_back(std::move(set));
    }
    return result;
}

QString UnreadableStoredValue(TqxTable* Sets, int Row)
{
    for (const char* column : {"IPSET_NAME", "IPADDRESS", "SUBNETMASK", "GATEWAY", "DNS", "DHCP", "CONNECTION"}) {
        const int field = Sets->FieldIndex(QLatin1String(column));
        if (!Sets->IsReadable(field, Sets->StoredValue(Row, field)))
            return Sets->FieldNames().at(field);
    }
    return QString();
}
