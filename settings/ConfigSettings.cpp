#include "ConfigSettings.h"

std::string EncodeBool(int value) {
    return value != 0 ? "1" : "0";
}

int DecodeBool(const std::string& text) {
    return text == "1" ? 1 : 0;
}

std::string EncodePrivateEntry(const std::string& prefix, int mode) {
    if (prefix.empty())
        return {};
    std::string entry = prefix + ",";
    if (mode == 0)
        entry += "0";
    else if (mode == 1)
        entry += "1";
    return entry;
}

void DecodePrivateEntry(const std::string& value, std::string& prefix, int& mode) {
    if (value.empty())
        return;
    const auto comma = value.find(',');
    if (comma == std::string::npos) {
        mode = 1;
        prefix = value;
        return;
    }
    mode = value.back() == '0' ? 0 : 1;
    prefix = value.substr(0, comma);
}
