#pragma once
// A shot opens one window modally with sample data; the program photographs every modal window
// as it is shown and closes it. Windows register their shots with a static ShotRegistrar.
#include <functional>
#include <string>
#include <vector>

struct Shot {
    std::wstring name;
    std::function<void()> open;
};

std::vector<Shot>& Shots();

struct ShotRegistrar {
    ShotRegistrar(std::wstring name, std::function<void()> open) {
        Shots().push_back({std::move(name), std::move(open)});
    }
};
