#pragma once
// Whole-string wildcard matching by character code (letter case matters): * any run, ? one
// character, # one digit, [list] / [!list] one character from / not from a list with a-z ranges.
// Pure logic: no platform headers.
#include "EngineApi.h"
#include <string_view>

AXORVELSYNC_API bool MatchesLike(std::wstring_view text, std::wstring_view pattern);
