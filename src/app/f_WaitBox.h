#pragma once
// A small always-on-top window that asks the user to wait while an IP set is applied.
#include <QPointer>
#include <QWidget>

class QPlainTextEdit;
class QProgressBar;

class TFrmWaitBox : public QWidget {
    Q_OBJECT
public:
    explicit TFrmWaitBox(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
    QProgressBar* ProgressBar1;

protected:
    // The box has no close button; Alt+F4 and the like do not close it either.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The current wait box, or none. At most one exists at a time.
extern QPointer<TFrmWaitBox> FrmWaitBox;

// Replaces the current wait box with a fresh one, shown without being modal.
void ShowWaitBox();
// Clears FrmWaitBox first, then frees the box; without a box it does nothing.
void HideWaitBox();
// The hidden instance that start-up makes.
void CreateHiddenWaitBox();
