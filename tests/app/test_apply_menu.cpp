// The tray's "Apply IP Set" sub-menu over many sets: grouped, every set reachable once,
// in stored order, with its ID and its check.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "app/ApplyMenu.h"

namespace {

struct Walk {
    QStringList items;  // "name#id", in menu order
    QStringList checked;
    int longest = 0;    // entries in the fullest menu
    int groups = 0;
};

// Opens every group, as a user pointing at it does, and lists what it finally holds.
void Visit(QMenu* menu, Walk& walk)
{
    walk.longest = std::max(walk.longest, int(menu->actions().size()));
    for (QAction* a : menu->actions()) {
        if (QMenu* group = a->menu()) {
            ++walk.groups;
            emit group->aboutToShow();
            Visit(group, walk);
        } else {
            walk.items << a->text() + "#" + a->data().toString();
            if (a->isChecked())
                walk.checked << a->text();
        }
    }
}

}  // namespace

TEST(ApplyMenu, EverySetIsReachableOnceInOrderWhateverTheCount)
{
    constexpr int k = TqxApplyMenu::kPerMenu;
    const struct {
        int sets;
        int groups;  // groups made once all are opened
    } cases[] = {{0, 0}, {1, 0}, {k, 0}, {k + 1, 2}, {k * k, k}, {k * k + 1, 2 + k}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sets);
        QMenu menu;
        int made = 0;
        TqxApplyMenu apply(&menu, QIcon(), [&](QAction*) { ++made; });
        std::vector<TqxApplyMenu::TEntry> sets;
        QStringList expected;
        for (int i = 1; i <= c.sets; ++i) {
            // One ID the program cannot name keeps its text and, read as 1, is never marked; "&" shows as typed.
            const QVariant id = i == 2 ? QVariant(QStringLiteral("4294967297")) : QVariant(i);
            sets.push_back({QStringLiteral("S&%1").arg(i), id});
            expected << QStringLiteral("S&&%1#%2").arg(i).arg(id.toString());
        }
        apply.SetInEffect({1, c.sets});
        apply.SetSets(sets);
        EXPECT_LE(menu.actions().size(), k);
        if (c.sets > k) {
            EXPECT_EQ(made, 0);  // nothing made before a group is opened
        }
        Walk walk;
        Visit(&menu, walk);
        EXPECT_EQ(walk.items, expected);
        EXPECT_EQ(made, c.sets);
        EXPECT_LE(walk.longest, k);
        EXPECT_EQ(walk.groups, c.groups);
        if (c.sets > k) {
            EXPECT_EQ(menu.actions().first()->text(), QStringLiteral("S&&1 \u2013 S&&%1").arg(c.sets > k * k ? k * k : k));
        }
        // Marks made before and after a group opened follow what is in effect.
        QStringList marks;
        for (int id : {1, c.sets})
            if (id > 0 && id <= c.sets && id != 2)
                marks << QStringLiteral("S&&%1").arg(id);
        marks.removeDuplicates();
        EXPECT_EQ(walk.checked, marks);
        apply.SetInEffect({});
        Walk after;
        Visit(&menu, after);
        EXPECT_TRUE(after.checked.isEmpty());
        apply.SetSets({});  // a rebuild leaves nothing of the old menu
        EXPECT_TRUE(menu.actions().isEmpty());
        EXPECT_TRUE(menu.findChildren<QMenu*>().isEmpty());
    }
}
