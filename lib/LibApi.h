#pragma once
// Export marker of the utility library (AxOrvelLib.dll). Empty in native builds of the pure text
// units (sanitizers, fuzzers).
#if !defined(_WIN32)
#define AXORVELLIB_API
#elif defined(AXORVELLIB_BUILD)
#define AXORVELLIB_API __declspec(dllexport)
#else
#define AXORVELLIB_API __declspec(dllimport)
#endif
