#pragma once
// A tree brought up to date in place: the lines it should show are matched with the
// nodes it has by a key among their siblings, so that a node that stays keeps what
// the user did with it (opened or closed, selected, scrolled to) and only what
// changed changes.
#include <QString>
#include <QVariant>
#include <vector>

class QTreeWidgetItem;

struct TTreeLine {
    QString Key;  // unique among its siblings; empty: the text is the key
    QString Text;
    bool Bold = false;
    bool OpenWhenMade = false;  // a node made anew opens when it has lines below it
    int DataRole = 0;           // when given, the node carries Data in this role
    QVariant Data;
    std::vector<TTreeLine> Children;
};

// Makes the children of parent (a tree's invisible root for its top level) show
// lines, in their order. A node whose key (or, for repeated keys, whose turn
// among equal keys) is no longer wanted is deleted; a node that is wanted again
// keeps its open state and selection, its text, font and data changed only where
// they differ; new lines get new nodes.
void ShowTreeLines(QTreeWidgetItem* parent, const std::vector<TTreeLine>& lines);
