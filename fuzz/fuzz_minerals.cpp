// Fuzzes the mineral filter: the input is split into "period.txt", "lanth.txt", "othergrp.txt" and
// "minrcode.dat", and its last bytes click on the table.
#include "filters/MineralFilter.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 8)
        return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 8, size - 8);
    const auto take = [&rest](std::size_t length) {
        const std::string_view part = rest.substr(0, std::min(length, rest.size()));
        rest.remove_prefix(part.size());
        return std::string(part);
    };
    // Three 16-bit lengths (period, lanth, group list); the codes take what follows; bytes 6 and 7 choose the clicks.
    const std::string period = take(data[0] | (data[1] << 8));
    const std::string lanth = take(data[2] | (data[3] << 8));
    const std::string groups = take(data[4] | (data[5] << 8));
    const std::string codes = std::string(rest);

    std::vector<int> remedyCodes;
    for (int code = 0; code <= static_cast<int>(codes.size() / 6) + 1 && code < 2000; ++code)
        remedyCodes.push_back(code);
    NullMessageSink sink;
    CMineralFilterModel model(sink);
    model.LoadImages({data[6] & 1 ? &period : nullptr, data[6] & 2 ? &lanth : nullptr, &groups, &codes},
        FilterRemediesFromCodes(remedyCodes));

    KingdomFilterState state;
    std::uint32_t seed = data[6] | (data[7] << 8);
    for (int step = 0; step < 24; ++step) {
        seed = seed * 1103515245u + 12345u;
        const int cell = static_cast<int>((seed >> 8) % (kCellCount + 2)) - 1;
        switch ((seed >> 20) % 6) {
        case 0: model.LeftButtonOnCell(cell); break;
        case 1: model.RightButtonOnCell(cell); break;
        case 2: model.VerticalClicked(((seed >> 24) & 1) != 0); break;
        case 3: model.HorizontalClicked(((seed >> 24) & 1) != 0); break;
        case 4: model.MouseMove(static_cast<int>(seed % 640), static_cast<int>((seed >> 10) % 400)); break;
        default: model.SelectGroup(cell % 4); break;
        }
    }
    (void)model.Ok(state);
    return 0;
}
