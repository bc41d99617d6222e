#pragma once
// The banner that shows the picked IP set's name. A screen reader hears the name as
// it is shown: the label's accessible name is its text exactly (the toolkit's own
// reading of a label drops each "&" and reads markup), empty while nothing is
// picked; the group box around it tells what the name is.
#include <QLabel>

class TqxBannerLabel : public QLabel {
    Q_OBJECT
public:
    explicit TqxBannerLabel(QWidget* parent = nullptr);
};
