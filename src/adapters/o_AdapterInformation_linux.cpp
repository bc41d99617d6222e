#include <string>

#include "adapters/o_AdapterInformation.h"

// Linux has no message table for the IP Helper codes; these are the codes our
// own GetAdaptersInfo answers, each with a text that names the failure.
std::string IPHelperErrorText(std::uint32_t Code) {
    switch (Code) {
    case IPHLP_ERROR_GEN_FAILURE:
        return "The network adapters could not be read from the kernel";
    case IPHLP_ERROR_NOT_SUPPORTED:
        return "The request is not supported";
    case IPHLP_ERROR_INVALID_PARAMETER:
        return "The parameter is incorrect";
    case IPHLP_ERROR_BUFFER_OVERFLOW:
        return "The network adapters kept changing while they were being read";
    case IPHLP_ERROR_NO_DATA:
        return "No network adapter was found";
    default:
        return "System error " + std::to_string(Code);
    }
}
