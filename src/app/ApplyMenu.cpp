#include "app/ApplyMenu.h"

#include <QAction>
#include <QList>
#include <QMenu>

#include "store/o_DatabaseConnection.h"

namespace {
// A menu caption shows "&" as a mnemonic marker; an IP set's name is shown as typed.
QString MenuText(const QString& text) { return QString(text).replace(QLatin1Char('&'), QLatin1String("&&")); }

// Removes and deletes a menu's items and groups.
void Empty(QMenu* menu)
{
    for (QAction* a : menu->actions()) {
        if (QMenu* group = a->menu(); group && group->parent() == menu)
            delete group;  // its own action goes with it
        else
            delete a;
    }
}
}  // namespace

TqxApplyMenu::TqxApplyMenu(QMenu* menu, QIcon itemIcon, std::function<void(QAction*)> itemMade, QObject* parent)
    : QObject(parent), FMenu(menu), FIcon(std::move(itemIcon)), FItemMade(std::move(itemMade))
{
}

void TqxApplyMenu::SetSets(const std::vector<TEntry>& sets)
{
    if (!FMenu)
        return;
    Empty(FMenu);
    FNames.clear();
    FIDs.clear();
    FOddIDs.clear();
    FNames.reserve(static_cast<qsizetype>(sets.size()));
    FIDs.reserve(sets.size());
    for (const TEntry& set : sets) {
        const bool plain = set.ID.typeId() == QMetaType::Int && set.ID.toInt() > 0;
        if (!plain)
            FOddIDs.insert(static_cast<int>(FIDs.size()), set.ID);
        FIDs.push_back(plain ? set.ID.toInt() : 0);
        FNames << set.Name;
    }
    Fill(FMenu, 0, static_cast<int>(FIDs.size()));
}

void TqxApplyMenu::Fill(QMenu* menu, int first, int last)
{
    // Actions go in together: a menu takes each one added alone at a cost that grows with its length.
    QList<QAction*> entries;
    const int count = last - first;
    if (count <= kPerMenu) {
        for (int i = first; i < last; ++i) {
            const int id = FIDs[static_cast<std::size_t>(i)];
            auto* item = new QAction(FIcon, MenuText(FNames.at(i)), menu);
            item->setData(id ? QVariant(id) : FOddIDs.value(i));
            item->setIconVisibleInMenu(true);
            item->setCheckable(true);  // checked: the set is in effect
            item->setChecked(InEffect(item));
            if (FItemMade)
                FItemMade(item);
            entries << item;
        }
        menu->addActions(entries);
        return;
    }
    // Each group spans the smallest power of kPerMenu that leaves at most kPerMenu groups.
    long long span = kPerMenu;
    while ((count + span - 1) / span > kPerMenu)
        span *= kPerMenu;
    for (int from = first; from < last; from += static_cast<int>(span)) {
        const int to = static_cast<int>(std::min<long long>(last, from + span));
        const QString caption = MenuText(FNames.at(from)) + QStringLiteral(" \u2013 ") + MenuText(FNames.at(to - 1));
        auto* group = new QMenu(caption, menu);
        connect(group, &QMenu::aboutToShow, this, [this, group, from, to] {
            if (group->isEmpty())
                Fill(group, from, to);
        });
        entries << group->menuAction();
    }
    menu->addActions(entries);
}

void TqxApplyMenu::SetInEffect(const QSet<int>& ids)
{
    FInEffect = ids;
    if (FMenu)
        Check(FMenu);
}

bool TqxApplyMenu::InEffect(const QAction* item) const
{
    // An ID beyond 32 bits read as a number could be another row's: such a set is never marked.
    return TqxTable::IsUsableId(item->data()) && FInEffect.contains(item->data().toInt());
}

void TqxApplyMenu::Check(QMenu* menu)
{
    for (QAction* a : menu->actions()) {
        if (QMenu* group = a->menu())
            Check(group);  // a group not yet opened has nothing to check
        else
            a->setChecked(InEffect(a));
    }
}
