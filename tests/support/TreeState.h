#pragma once
// What the user sees of a tree, as text: a line per node, indented by its depth,
// "+" where it is open and "*" on the selected current line, then how far it is scrolled.
#include <QScrollBar>
#include <QTreeWidget>
#include <string>

inline void TreeLinesOf(const QTreeWidget& tree, const QTreeWidgetItem* node, const QString& indent, QString& out)
{
    for (int i = 0; i < node->childCount(); ++i) {
        const QTreeWidgetItem* line = node->child(i);
        out += indent + line->text(0) + (line->isExpanded() ? " +" : "") +
               (line == tree.currentItem() && line->isSelected() ? " *" : "") + '\n';
        TreeLinesOf(tree, line, indent + ' ', out);
    }
}

inline std::string TreeState(const QTreeWidget& tree)
{
    QString out;
    TreeLinesOf(tree, tree.invisibleRootItem(), QString(), out);
    return (out + QStringLiteral("scrolled %1").arg(tree.verticalScrollBar()->value())).toStdString();
}
