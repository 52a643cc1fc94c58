#pragma once
// Export marker of the sync engine (AxOrvelSync.dll).
#if !defined(_WIN32)
#define AXORVELSYNC_API
#elif defined(AXORVELSYNC_BUILD)
#define AXORVELSYNC_API __declspec(dllexport)
#else
#define AXORVELSYNC_API __declspec(dllimport)
#endif
