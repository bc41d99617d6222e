#pragma once

// Makes standard output and standard error reach the console the program was
// started from, for the options that print. A Windows program built for the
// window subsystem has none of its own; elsewhere they are there already.
void UseParentConsole();
