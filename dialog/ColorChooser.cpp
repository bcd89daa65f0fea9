#include "ColorChooser.h"

#include "SystemLibrary.h"

#include <commdlg.h>

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace {

COLORREF s_customColors[16] = {};

} // namespace

COLORREF ParseColorText(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int64_t magnitude = 0;
    const int64_t limit = negative ? -int64_t{INT32_MIN} : INT32_MAX;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        if (magnitude < limit)
            magnitude = std::min<int64_t>(magnitude * 10 + (text[i] - '0'), limit);
    const auto value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return static_cast<COLORREF>(value);
}

std::string FormatColorText(COLORREF color) {
    return std::to_string(static_cast<int32_t>(color));
}

std::optional<COLORREF> ChooseColorFrom(HWND owner, COLORREF initial) {
    CHOOSECOLORA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.rgbResult = initial;
    request.lpCustColors = s_customColors;
    request.Flags = CC_RGBINIT | CC_FULLOPEN;
    auto* run = SystemFunction<decltype(ChooseColorA)>("comdlg32.dll", "ChooseColorA");
    if (!run || run(&request) != 1)
        return std::nullopt;
    return request.rgbResult;
}
