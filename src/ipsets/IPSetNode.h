#pragma once
// A stored set's top-level node on the IP set tree. Its six detail lines are fixed
// texts made from the values the set had when the tree was filled; in a large tree
// they are made when the node is first opened, so a tree of many sets holds one
// node per set until the user looks inside. Made late or at once, the lines read
// the same, in the same order, to the eye and to screen readers.
#include <QString>
#include <QStringList>
#include <QTreeWidgetItem>
#include <optional>

class QTreeWidget;

// A set's values as its detail lines show them.
struct TIPSetDetails {
    QString Address, Mask, Gateway, Dns, Dhcp, Connection;
};

// "IP:...", "Subnet mask :...", "Def.Gateway :...", "DNS :...", "DHCP :...", "Connection Name:...".
QStringList DetailLines(const TIPSetDetails& details);

class TIPSetNode : public QTreeWidgetItem {
public:
    static constexpr int NodeType = QTreeWidgetItem::UserType + 1;
    // The role that carries the set's ID (TqxIPSetManager::IDRole).
    static constexpr int IDRole = Qt::UserRole;
    // Trees of up to this many sets get every set's lines at once, as they always
    // had: code that reads a closed node's lines finds them there.
    static constexpr int kLinesAtOnce = 256;

    // With linesNow false the node shows it can be opened and makes its lines then
    // (its tree must have gone through MakeLinesWhenOpened).
    TIPSetNode(const QString& name, const QVariant& id, TIPSetDetails details, bool linesNow);

    // The name and the ID are held here rather than in the item's role lists, which
    // cost more than the node itself; they read and change as any item's data does.
    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

    // Makes the lines if they are not there yet.
    void MakeLines();
    bool LinesMade() const { return !FDetails; }

    // Lets nodes of this tree make their lines when they are opened, however that
    // happens (a click, the keyboard, code, an accessibility client). Once per tree.
    static void MakeLinesWhenOpened(QTreeWidget* tree);

private:
    QString FName;
    QVariant FID;
    std::optional<TIPSetDetails> FDetails;  // until the lines are made
};
