#include "ipsets/TreeLines.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {
// A node keeps its key here only where it differs from its text.
constexpr int kKeyRole = Qt::UserRole + 40;

QString KeyOf(const TTreeLine& line) { return line.Key.isEmpty() ? line.Text : line.Key; }

QString KeyOf(const QTreeWidgetItem* node)
{
    const QVariant key = node->data(0, kKeyRole);
    return key.isValid() ? key.toString() : node->text(0);
}

void SetBold(QTreeWidgetItem* node, bool bold)
{
    QFont font = node->font(0);
    font.setBold(bold);
    node->setFont(0, font);
}

QTreeWidgetItem* Make(const TTreeLine& line)
{
    auto* node = new QTreeWidgetItem(QStringList(line.Text));
    if (!line.Key.isEmpty() && line.Key != line.Text)
        node->setData(0, kKeyRole, line.Key);
    if (line.Bold)
        SetBold(node, true);
    if (line.DataRole)
        node->setData(0, line.DataRole, line.Data);
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(line.Children.size()));
    for (const TTreeLine& child : line.Children)
        children << Make(child);
    node->addChildren(children);
    return node;
}

// Only a node inside a tree can be opened.
void OpenMade(QTreeWidgetItem* node, const TTreeLine& line)
{
    if (line.OpenWhenMade && node->childCount() > 0)
        node->setExpanded(true);
    for (int i = 0; i < node->childCount(); ++i)
        OpenMade(node->child(i), line.Children[static_cast<std::size_t>(i)]);
}

// What taking a node out of its tree and putting it back would lose.
struct TNodeState {
    QTreeWidgetItem* Node;
    bool Open, Selected;
};

void Remember(QTreeWidgetItem* node, std::vector<TNodeState>& states)
{
    states.push_back({node, node->isExpanded(), node->isSelected()});
    for (int i = 0; i < node->childCount(); ++i)
        Remember(node->child(i), states);
}

bool Inside(const QTreeWidgetItem* node, const QTreeWidgetItem* top)
{
    for (; node; node = node->parent())
        if (node == top)
            return true;
    return false;
}

void Move(QTreeWidgetItem* parent, QTreeWidgetItem* node, int to)
{
    std::vector<TNodeState> states;
    Remember(node, states);
    QTreeWidget* tree = node->treeWidget();
    QTreeWidgetItem* current = tree ? tree->currentItem() : nullptr;
    if (!Inside(current, node))
        current = nullptr;
    parent->insertChild(to, parent->takeChild(parent->indexOfChild(node)));
    for (const TNodeState& s : states) {
        s.Node->setExpanded(s.Open);
        s.Node->setSelected(s.Selected);
    }
    if (current && tree)
        tree->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
}

void Update(QTreeWidgetItem* node, const TTreeLine& line)
{
    if (node->text(0) != line.Text)
        node->setText(0, line.Text);
    if (node->font(0).bold() != line.Bold)
        SetBold(node, line.Bold);
    if (line.DataRole && node->data(0, line.DataRole) != line.Data)
        node->setData(0, line.DataRole, line.Data);
    if (line.Children.empty() && node->childCount() == 0)
        return;
    const bool wasEmpty = node->childCount() == 0;
    ShowTreeLines(node, line.Children);
    // Lines below a node that had none open it as they would a node made anew.
    if (wasEmpty && line.OpenWhenMade && node->childCount() > 0)
        node->setExpanded(true);
}

// The node now there for each line, or null where a line needs a new one.
std::vector<QTreeWidgetItem*> Match(QTreeWidgetItem* parent, const std::vector<TTreeLine>& lines)
{
    std::vector<QTreeWidgetItem*> kept(lines.size(), nullptr);
    const int count = parent->childCount();
    // Usually nothing came or went: the same keys in the same places.
    bool same = count == static_cast<int>(lines.size());
    for (int i = 0; same && i < count; ++i)
        same = KeyOf(parent->child(i)) == KeyOf(lines[static_cast<std::size_t>(i)]);
    if (same) {
        for (int i = 0; i < count; ++i)
            kept[static_cast<std::size_t>(i)] = parent->child(i);
        return kept;
    }
    QHash<QString, QList<QTreeWidgetItem*>> present;
    for (int i = 0; i < count; ++i)
        present[KeyOf(parent->child(i))] << parent->child(i);
    // The n-th line of a key takes the n-th node of that key.
    QHash<QString, int> turn;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString key = KeyOf(lines[i]);
        int& n = turn[key];
        const auto found = present.constFind(key);
        if (found != present.constEnd() && n < found->size())
            kept[i] = found->at(n);
        ++n;
    }
    return kept;
}
}  // namespace

void ShowTreeLines(QTreeWidgetItem* parent, const std::vector<TTreeLine>& lines)
{
    const std::vector<QTreeWidgetItem*> kept = Match(parent, lines);
    // What goes, goes first: the nodes that stay are then in their old order.
    const QSet<QTreeWidgetItem*> staying(kept.begin(), kept.end());
    for (int i = parent->childCount() - 1; i >= 0; --i)
        if (!staying.contains(parent->child(i)))
            delete parent->takeChild(i);

    const int count = static_cast<int>(lines.size());
    for (int i = 0; i < count;) {
        if (QTreeWidgetItem* node = kept[static_cast<std::size_t>(i)]) {
            if (parent->child(i) != node)
                Move(parent, node, i);
            Update(node, lines[static_cast<std::size_t>(i)]);
            ++i;
            continue;
        }
        // New lines side by side go in together: one insertion instead of one each.
        QList<QTreeWidgetItem*> made;
        int end = i;
        for (; end < count && !kept[static_cast<std::size_t>(end)]; ++end)
            made << Make(lines[static_cast<std::size_t>(end)]);
        parent->insertChildren(i, made);
        for (int j = i; j < end; ++j)
            OpenMade(parent->child(j), lines[static_cast<std::size_t>(j)]);
        i = end;
    }
}
