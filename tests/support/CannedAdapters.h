#pragma once
// An adapter manager whose snapshot is the rows a test writes, instead of the
// machine's own adapters.
//
//   TCannedAdapters canned;
//   canned.Rows.resize(1);
//   canned.Rows[0].AdapterName = "eth9";
//   manager.SetAdapterManager(&canned.Manager);
#include <cstdint>

#include "adapters/o_AdapterInformation.h"

struct TCannedAdapters {
    TAdaptorRows Rows;
    TqxNetworkAdapterManager Manager{[this](std::int32_t& count, TAdaptorRows& out) {
        out = Rows;
        count = static_cast<std::int32_t>(Rows.size());
        return std::uint32_t{0};
    }};
};
