#!/usr/bin/env bash
# Every binary of the portable folder may import only Windows system DLLs and our own.
set -u
dist=${1:?usage: check-imports.sh DIST}
objdump=x86_64-w64-mingw32-objdump
shopt -s nullglob nocaseglob
bins=("$dist"/*.exe "$dist"/*.dll)
if ((${#bins[@]} == 0)); then
    echo "no binaries in $dist"
    exit 1
fi
own=()
for b in "${bins[@]}"; do own+=("$(basename "$b" | tr 'A-Z' 'a-z')"); done
system='^(kernel32|user32|gdi32|advapi32|shell32|shlwapi|ole32|oleaut32|comctl32|comdlg32|uuid|version|msvcrt|ntdll|ws2_32|mpr|rpcrt4|uxtheme|winmm|setupapi|cfgmgr32|psapi|api-ms-win-[a-z0-9-]+)\.dll$'
bad=0
for b in "${bins[@]}"; do
    while read -r dll; do
        d=$(echo "$dll" | tr 'A-Z' 'a-z')
        if [[ $d =~ $system ]] || printf '%s\n' "${own[@]}" | grep -qx "$d"; then continue; fi
        echo "$(basename "$b") imports $dll, which is neither a system DLL nor ours"
        bad=1
    done < <("$objdump" -p "$b" | sed -n 's/^\s*DLL Name: //p')
    echo "$(basename "$b"): $("$objdump" -p "$b" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
done
exit $bad
