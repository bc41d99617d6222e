#pragma once
// Answers the next modal message box that shows up, from the event loop, and
// remembers what it said. Modal boxes block the test otherwise.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

struct ModalAnswer {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    int shown = 0;

    void Arm(QMessageBox::StandardButton answer)
    {
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [this, timer, answer] {
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
            timer->deleteLater();
            box->button(answer)->click();
        });
        timer->start();
        // Gives up by itself so a test that never shows a box leaves no timer behind.
        QTimer::singleShot(3000, timer, [timer] { timer->stop(); timer->deleteLater(); });
    }
};
