#include "app/StartupPreparation.h"

TEarlyPreparation::TEarlyPreparation() = default;

TEarlyPreparation::~TEarlyPreparation() = default;

TDesktopPreparation::TDesktopPreparation(TEarlyPreparation&) {}

TDesktopPreparation::~TDesktopPreparation() = default;

void TDesktopPreparation::WaitForFonts() {}

// The Windows heap gives freed pages back by itself.
void ReturnFreedStartupMemory() {}
