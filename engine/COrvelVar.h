#pragma once
// Path variables in angle brackets (<curdrv>\backup\<date>, <vol:WORK>\docs) replaced by their
// values at the moment a task is read, so that a profile follows its drive from computer to computer.
#include "EngineApi.h"
#include <string>

class AXORVELSYNC_API COrvelVar {
public:
    // Replaces every variable of S in one pass from left to right; inserted values are not scanned
    // again. A variable that does not resolve stays as written and makes the answer false.
    //   <vol:LABEL>    the first drive (types 2 to 6) labelled exactly LABEL, e.g. E:
    //   <curdrv>       the drive of the program folder, e.g. E:
    //   <curpath>      the program folder without its trailing backslash
    //   <date> <time>  the local clock as yyyyMMdd and hhmmss (24-hour)
    //   <rnd:N>        N random digits, N rounded and at most 10; a count below 1 (<rnd:0>, <rnd:-2>,
    //                  <rnd:x>) asks for no digits at all and counts as unresolved
    //   <env:user> <env:computer>  the user's and the computer's names
    // Names match in any letter case, parameters exactly.
    bool Replace(std::wstring& S) const;

    // The folder the engine library was loaded from (the program's), with a trailing backslash.
    static const std::wstring& ProgramFolder();
};
