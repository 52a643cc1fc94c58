#pragma once
// The path routines live in the engine DLL and are compiled into the program as well; only the
// engine exports them.
#if defined(_WIN32) && defined(AXORVELSYNC_BUILD)
#define PATHNAME_API __declspec(dllexport)
#else
#define PATHNAME_API
#endif
