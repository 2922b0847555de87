#pragma once

#include "IndexedImage.h"
#include "Mask.h"

#include <cstdint>
#include <string>
#include <vector>

// A PNG overview of everything generated: each picture at twice its size, labelled, over a checkerboard,
// showing only the pixels its window would show (those inside its outline).
class ContactSheet {
public:
    // zoom: how many screen pixels show one picture pixel.
    explicit ContactSheet(int zoom = 2) : zoom_(zoom) {}

    // A bitmap with its outline; a picture without an outline shows whole.
    void add(const std::string& label, const IndexedImage& image, const Mask* outline);
    // A picture already in premultiplied ARGB, such as the cursor and the icon.
    void add(const std::string& label, int width, int height, const std::vector<std::uint32_t>& argb);
    void append(const ContactSheet& other) {
        entries_.insert(entries_.end(), other.entries_.begin(), other.entries_.end());
    }
    void writePng(const std::string& path) const;

private:
    struct Entry {
        std::string label;
        int width;
        int height;
        std::vector<std::uint32_t> argb;
    };
    int zoom_;
    std::vector<Entry> entries_;
};
