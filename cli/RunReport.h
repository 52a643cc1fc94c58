#pragma once
// The outcome of a run as text for people and as one JSON object for programs.
#include "CError.h"
#include "CSync.h"
#include <string>

std::wstring TextReport(const CSync& sync, const CError* error);
std::string JsonReport(const CSync& sync, const CError* error);
