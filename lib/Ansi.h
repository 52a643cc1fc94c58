#pragma once
#include "LibApi.h"
#include <string>
#include <string_view>

// Conversion at the edges that store text in the system's ANSI code page (INI files, the
// command-line hand-over). Characters the code page cannot hold come back altered, as the
// platform's own conversion alters them.
AXORVELLIB_API std::string ToAnsi(std::wstring_view s);
AXORVELLIB_API std::wstring FromAnsi(std::string_view s);
