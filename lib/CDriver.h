#pragma once
// The drives present on the computer with their volume data. Nothing is raised: a drive whose
// volume cannot be read gives empty texts and zeros.
#include "CDriverVector.h"
#include "LibApi.h"
#include <string>

class AXORVELLIB_API CDriver {
public:
    // Appends one record per drive of types 2 to 6, in the order the system lists them.
    void GetDriverVector(CDriverVector& svct) const;
    // Volume label / serial number of the drive whose root is sDriver (e.g. E:\); "" / 0 when it
    // cannot be read.
    std::wstring Volume(const std::wstring& sDriver) const;
    int32_t SerialNumber(const std::wstring& sDriver) const;
};
