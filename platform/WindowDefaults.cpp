#include "platform/WindowDefaults.h"

#include <map>

namespace {
std::map<int, WindowDefault>& Defaults() {
    static std::map<int, WindowDefault> d;
    return d;
}
}  // namespace

void SetWindowDefault(int form, WindowDefault answer) { Defaults()[form] = std::move(answer); }

const WindowDefault* FindWindowDefault(int form) {
    auto it = Defaults().find(form);
    return it == Defaults().end() ? nullptr : &it->second;
}
