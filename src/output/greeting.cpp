#include "output/greeting.h"

namespace gc {

std::string captionText(const std::string& name) {
    return name + ", zelim ti veliko srece v letu 2010" + "      " + makerHost;
}

void writegreeting(const PictureState& s, Surface& picture, Window& window) {
    constexpr int points = 12;
    const std::string text = captionText(s.t);
    picture.print(10, 490, points, black, text);
    picture.print(11, 491, points, brightWhite, text);
    window.print(1, 1, "*");
}

}  // namespace gc
