#include "RleEncoder.h"

namespace {

// The longest absolute run written: even, because the platform's decoder (Wine's, at least) misreads the
// padding after an absolute run of 255 and garbles the rest of the row.
constexpr int longestAbsolute = 254;

void emitLiterals(const std::uint8_t* p, int n, std::vector<std::uint8_t>& out) {
    while (n > 0) {
        int chunk = n > longestAbsolute ? longestAbsolute : n;
        // A piece of one or two pixels cannot be absolute: those counts mean delta and end-of-bitmap.
        if (chunk < 3) {
            for (int i = 0; i < chunk; ++i) {
                out.push_back(1);
                out.push_back(p[i]);
            }
        } else {
            out.push_back(0);
            out.push_back(static_cast<std::uint8_t>(chunk));
            out.insert(out.end(), p, p + chunk);
            if (chunk & 1)
                out.push_back(0);
        }
        p += chunk;
        n -= chunk;
    }
}

} // namespace

void RleEncoder::encodeRow(const std::uint8_t* row, int width, std::vector<std::uint8_t>& out) {
    int x = 0;
    int literalStart = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 255 && row[x + run] == row[x])
            ++run;
        // Runs of three or more are cheaper encoded; shorter ones join the pending absolute stretch.
        if (run >= 3) {
            emitLiterals(row + literalStart, x - literalStart, out);
            out.push_back(static_cast<std::uint8_t>(run));
            out.push_back(row[x]);
            x += run;
            literalStart = x;
        } else {
            x += run;
        }
    }
    emitLiterals(row + literalStart, width - literalStart, out);
}

std::vector<std::uint8_t> RleEncoder::encode(const IndexedImage& image) {
    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> row(static_cast<size_t>(image.width()));
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x)
            row[static_cast<size_t>(x)] = image.at(x, y);
        encodeRow(row.data(), image.width(), out);
        out.push_back(0);
        out.push_back(0);
    }
    out.push_back(0);
    out.push_back(1);
    return out;
}
