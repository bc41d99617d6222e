#pragma once
// Icons whose picture file is read the first time they are drawn or measured, so
// that building menus and tool bars does not wait for the SVG renderer.
#include <QIcon>

QIcon LazyIcon(const QString& fileName);
