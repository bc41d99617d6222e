#pragma once
// What the user is told when an IP set was not applied: one sentence per failed
// step, a reason said once when both steps failed for it.
//
//   ApplyFailureNotice("Office", "unknown connection", "")
//   -> "Office was not applied. Setting the address failed: unknown connection."
#include <string>

#include "ipsets/NetshRun.h"

// addressFailure and dnsFailure are the steps' reasons, empty for a step that
// succeeded; at least one is not empty. An empty set name reads "The IP set".
std::string ApplyFailureNotice(const std::string& setName, const std::string& addressFailure,
                               const std::string& dnsFailure);

// When neither step's outcome is known (NetshSteps::Whole, whose sentence names the
// set as %1): ApplyWholeFailureNotice("Office", {"%1 was not applied: administrator
// rights were refused", ""}) -> "Office was not applied: administrator rights were refused."
std::string ApplyWholeFailureNotice(const std::string& setName, const TWholeFailure& whole);
