#include "shell/StrBox.h"

std::string TextBeforeSeparator(std::string_view text, unsigned char separator) {
    const auto at = text.find(static_cast<char>(separator));
    if (at == std::string_view::npos)
        return {};
    return std::string(text.substr(0, at));
}

std::string TextAfterLastSeparator(std::string_view text, unsigned char separator) {
    const auto at = text.rfind(static_cast<char>(separator));
    if (at == std::string_view::npos)
        return {};
    return std::string(text.substr(at + 1));
}

std::string ReverseText(std::string_view text) {
    return std::string(text.rbegin(), text.rend());
}
