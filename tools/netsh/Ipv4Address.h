#pragma once
// netsh reads and checks addresses with the program's own rules, so it never
// refuses a set the IP set editor accepted.
#include "controls/IPv4Rules.h"

namespace netsh {

using Ipv4 = ::Ipv4;
using ::FormatIpv4;
using ::InSubnet;
using ::IsHostOfSubnet;
using ::IsUnicast;
using ::MaskToPrefix;
using ::ParseIpv4;
using ::PrefixToMask;

}  // namespace netsh
