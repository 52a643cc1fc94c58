#pragma once
#include "LibApi.h"
#include <string>

// Full path of a loaded module (nullptr: the program itself), however long it is.
AXORVELLIB_API std::wstring ModuleFileName(void* hModule = nullptr);
