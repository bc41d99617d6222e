#pragma once
// The status bar's result panel: the last result the user was told, on one line,
// shortened with "…" where it does not fit; then the whole text is its tooltip.
#include <QLabel>

class TqxStatusResult : public QLabel {
    Q_OBJECT
public:
    explicit TqxStatusResult(QWidget* parent = nullptr);

    QString Result() const { return FResult; }
    void SetResult(const QString& text);
    void ClearResult() { SetResult(QString()); }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    QString FResult;
};
