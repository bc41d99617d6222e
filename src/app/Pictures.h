#pragma once
// The program's pictures, by name (a file name under icons/ without ".svg"): drawn
// from the SVG where the toolkit draws SVGs, otherwise from the PNGs the build
// rendered from it in several sizes.
#include <QIcon>

QIcon ProgramPicture(const char* name);
