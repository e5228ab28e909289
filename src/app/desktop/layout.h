#pragma once
// Where Form1's controls sit: pixels in the client area, listed in tab order.
#include <QRect>
#include <QSize>
#include <array>

namespace gc::desktop {

struct ControlPlace {
    const char* name;
    const char* caption;  // empty for the picture
    QRect rect;
};

inline const std::array<ControlPlace, 4> form1Controls{{
    {"Picture1", "", QRect(32, 24, 700, 525)},
    {"Command2", "exit", QRect(696, 624, 33, 17)},
    {"Command5", "repeat", QRect(656, 576, 73, 17)},
    // Picture2 (tab index 3) is never shown, so it has no place here.
    {"Command3", "save on C:\\wimgx", QRect(616, 600, 113, 17)},
}};

// The client area of the restored (not maximized) window.
inline constexpr QSize restoredClientSize(312, 213);

}  // namespace gc::desktop
