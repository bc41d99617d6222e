#pragma once
// The tray's "Apply IP Set" sub-menu: a checkable item per stored set, in stored
// order, carrying the set's ID as its data and checked while the set is in effect.
// Up to kPerMenu sets the items stand in the menu itself. More are grouped into
// sub-menus of at most kPerMenu entries each, named after their first and last
// set, whose items are made when the group is first opened: every set stays a
// click or two away, and a store of many sets costs no item until one is looked for.
#include <QIcon>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

class QAction;
class QMenu;

class TqxApplyMenu : public QObject {
    Q_OBJECT
public:
    struct TEntry {
        QString Name;
        QVariant ID;  // as the set's tree node carries it (TqxIPSetManager::NodeID)
    };
    static constexpr int kPerMenu = 50;

    // itemMade is called for each set's item as it is made (to connect it).
    TqxApplyMenu(QMenu* menu, QIcon itemIcon, std::function<void(QAction*)> itemMade, QObject* parent = nullptr);

    // Replaces every item and group.
    void SetSets(const std::vector<TEntry>& sets);
    // Checks the items of the sets with these IDs, unchecks the others.
    void SetInEffect(const QSet<int>& ids);

private:
    // Fills menu with the sets first to last - 1.
    void Fill(QMenu* menu, int first, int last);
    void Check(QMenu* menu);
    bool InEffect(const QAction* item) const;

    QPointer<QMenu> FMenu;
    QIcon FIcon;
    std::function<void(QAction*)> FItemMade;
    // The sets as of the last SetSets, kept small: a store may hold very many.
    QStringList FNames;
    std::vector<int> FIDs;              // 0 where the ID is one the program cannot name...
    QHash<int, QVariant> FOddIDs;       // ...which is then kept here, by place
    QSet<int> FInEffect;
};
