#pragma once
// The application-wide objects every window uses. Start-up sets them up; whichever code touches
// one first otherwise creates it: gEnv on the program's folder, gIni on orvelsync.ini beside it.
#include "CApiIni.h"
#include "CEnvoriment.h"
#include <memory>

CEnvoriment& gEnv();
std::shared_ptr<CApiIni> gIni();
