#pragma once

// A Win32 RECT: right and bottom exclusive.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
