#include "app/FontWarmUp.h"

// Windows keeps its fonts in the system: nothing to read ahead.
struct TFontWarmUp::Impl {};

TFontWarmUp::TFontWarmUp() = default;
TFontWarmUp::~TFontWarmUp() = default;
