#pragma once
#include <QStringList>

// The program's arguments as the user typed them, the program's name first, before
// any application object exists (Windows: from the wide command line).
QStringList ProgramArguments(int argc, char** argv);
