#pragma once
// The window class of every top-level window of the program. The single-instance search looks
// for windows of this class, so dialog templates name it (FORM_CLASS in res/Form.rh) and other
// top-level windows are created with it.
#include "LibApi.h"
#include <windows.h>

// Registers, once, the class "ThunderRT6FormDC" (a global, dialog-compatible class of this
// process, with the common controls initialised) and returns its name.
AXORVELLIB_API const wchar_t* FormClass();
// The module of AxOrvelLib, which holds the library's own dialog templates.
AXORVELLIB_API HINSTANCE LibModule();
