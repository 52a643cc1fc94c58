#!/usr/bin/env bash
# The text-logic units must build without the platform, natively and with sanitizers, so that they
# can be fuzzed and checked on the build machine itself. Fails when one of them starts to need
# windows.h or another Windows-only header.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
units=(
    lib/CError.cpp lib/Utf8.cpp lib/VbNumber.cpp lib/VbDate.cpp
    lib/CStringVector.cpp lib/CCmdVector.cpp lib/CDriverVector.cpp lib/CMemIni.cpp
    engine/COptionString.cpp engine/CTaskVector.cpp engine/CProfileVector.cpp
    engine/LikePattern.cpp engine/pathname/PathName.cpp app/mCmdLine.cpp
)
cxx=${CXX_NATIVE:-g++}
bad=0
for u in "${units[@]}"; do
    if ! "$cxx" -std=c++20 -fsanitize=address,undefined -Wall -Wextra -c -o /dev/null \
        -I"$root/lib" -I"$root/engine" -I"$root/engine/pathname" "$root/$u"; then
        echo "not buildable without the platform: $u"
        bad=1
    fi
done
exit $bad
