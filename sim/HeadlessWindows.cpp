#include "sim/HeadlessWindows.h"

#include <vector>

#include "business/HeadlessAnswers.h"
#include "shop/HeadlessAnswers.h"

WindowDefaults GameWindowDefaults() {
    static const std::vector<WindowDefault> all = [] {
        std::vector<WindowDefault> v;
        for (WindowDefaults part : {BusinessWindowDefaults(), ShopWindowDefaults()}) v.insert(v.end(), part.begin(), part.end());
        return v;
    }();
    return all;
}
