#include <string>

#include "adapters/o_AdapterInformation.h"
#include "common/qxTranslate.h"

// Linux has no message table for the IP Helper codes; these are the codes our
// own GetAdaptersInfo answers, each with a text that names the failure.
std::string IPHelperErrorText(std::uint32_t Code) {
    switch (Code) {
    case IPHLP_ERROR_GEN_FAILURE:
        return Tx("IPHelper", "The network adapters could not be read from the kernel");
    case IPHLP_ERROR_NOT_SUPPORTED:
        return Tx("IPHelper", "The request is not supported");
    case IPHLP_ERROR_INVALID_PARAMETER:
        return Tx("IPHelper", "The parameter is incorrect");
    case IPHLP_ERROR_BUFFER_OVERFLOW:
        return Tx("IPHelper", "The network adapters kept changing while they were being read");
    case IPHLP_ERROR_NO_DATA:
        return Tx("IPHelper", "No network adapter was found");
    default:
        return Fill(Tx("SystemError", "System error %1"), {std::to_string(Code)});
    }
}
