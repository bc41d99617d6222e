#pragma once
// Narrows a tree to the top-level nodes whose text contains a filter text,
// letter case aside; the others are hidden. Only the view changes: nodes stay
// in the tree, the store and every other list of the sets are untouched. The
// filter holds for nodes added later (a rebuilt tree) and for nodes renamed.
#include <QObject>
#include <QPointer>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

class TqxIPSetFilter : public QObject {
    Q_OBJECT
public:
    explicit TqxIPSetFilter(QTreeWidget* tree, QObject* parent = nullptr);

    QString Text() const { return FText; }
    // Hides and shows the nodes for the new text; nothing when it is the same.
    void SetText(const QString& text);
    // Whether the filter lets this top-level node show.
    bool Shows(const QTreeWidgetItem* node) const;

signals:
    // Some nodes were hidden or shown: a picked one may be out of sight now.
    void Filtered();

private:
    void ApplyRows(int first, int last);

    QPointer<QTreeWidget> FTree;
    QString FText;
};
