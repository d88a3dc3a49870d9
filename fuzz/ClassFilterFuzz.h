// The class filters' fuzz body, shared by the plant and the animal target: the input is split into the class
// list and the code file, and the model is loaded, searched and asked for its OK result.
#pragma once

#include "filters/ClassFilter.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillon::fuzz {

inline int FuzzClassFilter(const quillon::ClassFilterKind& kind, const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    // The first two bytes give the length of the class list; the rest is the code file.
    const std::size_t classLength = std::min<std::size_t>(size - 2, data[0] | (data[1] << 8));
    const std::span<const std::uint8_t> classFile(data + 2, classLength);
    const std::span<const std::uint8_t> codeFile(data + 2 + classLength, size - 2 - classLength);

    // Codes around and past the end of the code file.
    std::vector<int> codes;
    const int words = static_cast<int>(codeFile.size() / 4);
    for (int code = 0; code <= words + 1; ++code)
        codes.push_back(code);
    quillon::NullMessageSink sink;
    quillon::CClassFilterModel model(kind, sink);
    model.LoadImages(classFile, codeFile, quillon::FilterRemediesFromCodes(codes));
    codes.pop_back();
    if (model.LoadImages(classFile, codeFile, quillon::FilterRemediesFromCodes(codes))) {
        for (std::size_t n = 0; n <= 9 && n <= classFile.size(); n += 3)
            model.Search(std::string(reinterpret_cast<const char*>(classFile.data()), n));
        model.SetTypeChecked(1 + data[0] % 12, true);
        (void)model.Ok();
        model.SelectClass(static_cast<int>(model.Classes().size()) - 1);
        (void)model.Ok();
    }
    return 0;
}

} // namespace quillon::fuzz
