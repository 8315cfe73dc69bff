#pragma once
// Splitting single-byte text lines at a separator byte.

#include <string>
#include <string_view>

std::string TextBeforeSeparator(std::string_view text, unsigned char separator);
std::string TextAfterLastSeparator(std::string_view text, unsigned char separator);
std::string ReverseText(std::string_view text);
