#include "adapters/o_AdapterInformation.h"
#include "platform/SystemError.h"

// The IP Helper result codes are system error codes: the system has their texts.
std::string IPHelperErrorText(std::uint32_t Code) { return SystemErrorText(static_cast<int>(Code)); }
