#pragma once

#include <vector>

// The pictures the program loads, with the sizes its code relies on.
class Expected {
public:
    struct Picture {
        int number;
        int width;
        int height;
        bool region; // an outline resource beside the bitmap
    };

    static const std::vector<Picture>& pictures();
};
