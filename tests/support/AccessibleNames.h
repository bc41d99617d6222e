#pragma once
// Asks Qt's accessibility interface what a screen reader would say for every
// widget that can take the focus inside a window (its own pop-up windows aside).
#include <QAccessible>
#include <QStringList>
#include <QWidget>

// "ClassName objectName" of each focusable widget whose accessible name is empty.
inline QStringList FocusableWithoutName(QWidget* window)
{
    QStringList missing;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w->focusPolicy() == Qt::NoFocus || (w->isWindow() && w != window))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            missing << QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), w->objectName());
    }
    return missing;
}
