#pragma once
// Answers the next modal message box that shows up, from the event loop, and
// remembers what it said. Modal boxes block the test otherwise. It stops
// watching when it goes out of scope, so it never answers a later test's box.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>

struct ModalAnswer {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    int shown = 0;

    void Arm(QMessageBox::StandardButton answer)
    {
        timer = std::make_unique<QTimer>();
        timer->setInterval(5);
        QObject::connect(timer.get(), &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            ++shown;
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            if (QPushButton* d = box->defaultButton())
                defaultButton = box->standardButton(d);
            timer->stop();
            box->button(answer)->click();
        });
        timer->start();
    }

private:
    std::unique_ptr<QTimer> timer;
};
