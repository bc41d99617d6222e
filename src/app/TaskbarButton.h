#pragma once
class QWidget;
// Shows or hides the task-bar button of a top-level window that is on screen.
void SetTaskbarButtonShown(QWidget* window, bool shown);
