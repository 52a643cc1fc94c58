#pragma once
#include "LibApi.h"
#include <string>
#include <string_view>

// UTF-16 <-> UTF-8 without the platform, for diagnostics, JSON and the fuzzable text parsers.
// Unpaired surrogates and malformed bytes become U+FFFD.
AXORVELLIB_API std::string ToUtf8(std::wstring_view s);
AXORVELLIB_API std::wstring FromUtf8(std::string_view s);
