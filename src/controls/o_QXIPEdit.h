#pragma once
// TqxIPEdit: one IPv4 address typed into four small part editors separated by
// dots. `IP` is the text last set (by code or by a commit of the typed parts);
// setting an invalid text raises EqxError("IP Address <text> is invalid!").
#include <QList>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "controls/IPAddressParse.h"

class QLabel;
class QLineEdit;

class TqxIPEdit : public QWidget {
    Q_OBJECT
public:
    // The part editors are built when the control first gets a parent.
    explicit TqxIPEdit(QWidget* parent = nullptr);

    QString IP() const { return FIP; }
    // Ignores a text equal to the current one (letter case aside) and a blank one;
    // otherwise stores it as given and shows its parts, or raises the invalid-address error.
    void SetIP(const QString& value);
    // Empties the control: no address, four empty parts (SetIP ignores a blank text).
    void Clear();

    std::int32_t IPFirstPart() const { return FParse.Parts[0]; }
    std::int32_t IPSecondPart() const { return FParse.Parts[1]; }
    std::int32_t IPThirdPart() const { return FParse.Parts[2]; }
    std::int32_t IPFourthPart() const { return FParse.Parts[3]; }

    // Width of each part editor; read only while the editors are built.
    int IPEditorWidth() const { return FIPEditorWidth; }
    void SetIPEditorWidth(int value) { FIPEditorWidth = value; }

    // Sets IP to "a.b.c.d" from the part editors' texts, as Enter does.
    void CommitTypedText();
    // True when all four part editors are empty.
    bool PartsEmpty() const;
    // Part editor 1..4 (nullptr before they are built).
    QLineEdit* Editor(int tag) const;
    // The name a screen reader says for the control, "IP Address" unless set; its
    // part boxes are "<name>, part 1 of 4" and so on.
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    // Drops a failure of a typed commit that has not been shown yet, for a caller
    // that reports the same address itself.
    void DiscardPendingReport() { FPendingReport.clear(); }

    QSize sizeHint() const override;

signals:
    void OnIPFirstPartChange(TqxIPEdit* sender);
    void OnIPSecondPartChange(TqxIPEdit* sender);
    void OnIPThirdPartChange(TqxIPEdit* sender);
    void OnIPFourthPartChange(TqxIPEdit* sender);
    // Raised once after every successful set of IP, never by typing.
    void OnIPChange(TqxIPEdit* sender);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void AddEditor();
    void AddDot();
    int GetControlsWidth() const;
    void UpdateEditors();
    void EditorChange(QLineEdit* editor);
    // True when the key is swallowed.
    bool EditorKeyPress(QLineEdit* editor, char key);
    void EditorExit(QLineEdit* editor);
    void FocusNextEditor(QLineEdit* editor);
    // Commits from typing: a failure is shown once control is back in the event loop.
    bool CommitFromTyping();

    QString FIP;
    int FIPEditorWidth = 30;
    int FLastLeft = 0;
    bool FControlsCreated = false;
    TIPAddressParse FParse;
    QList<QLineEdit*> FEditors;
    QList<QLabel*> FDots;
    QString FPendingReport;
    QString FCaption = QStringLiteral("IP Address");
};
