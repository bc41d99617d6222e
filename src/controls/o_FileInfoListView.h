#pragma once
// A two-column report (Key, Value) of one file's version information.
#include <QString>
#include <QTreeWidget>
#include <memory>

#include "controls/o_FileInfo.h"

class TqxFileInfoListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TqxFileInfoListView(QWidget* parent = nullptr);

    QString FileName() const { return FFileName; }
    // Reads the file (a blank name: the running executable) and rebuilds the list.
    // A non-blank name of a missing file raises "<name> file does not exist!" and changes nothing else.
    void SetFileName(const QString& value);
    // The width the key column needs for its captions in the user's language; 0 while
    // they are the program's own English ones, whose column width the box sets.
    int TranslatedKeysWidth() const;

    const TqxFileInfo& FileInfo() const { return *FFileInfo; }

    // Rebuilds both columns (half the width each) and the ten rows from the reader.
    virtual void FillList();

protected:
    void changeEvent(QEvent* event) override;

private:
    QString FFileName;
    std::unique_ptr<TqxFileInfo> FFileInfo;
};
