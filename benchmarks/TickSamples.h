#pragma once

// Times spans with the performance counter and prints their median and 99th percentile in microseconds.
#include <algorithm>
#include <cstdio>
#include <vector>
#include <windows.h>

namespace tamba::bench {

class TickSamples {
public:
    explicit TickSamples(std::size_t expected) { samples_.reserve(expected); }

    void begin() { QueryPerformanceCounter(&start_); }
    void end() {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        samples_.push_back(static_cast<double>(now.QuadPart - start_.QuadPart) * 1e6 /
                           static_cast<double>(frequency().QuadPart));
    }

    void print(const char* name) {
        if (samples_.empty()) {
            std::printf("%-34s no samples\n", name);
            return;
        }
        std::sort(samples_.begin(), samples_.end());
        const double median = samples_[samples_.size() / 2];
        const double p99 = samples_[samples_.size() * 99 / 100];
        std::printf("%-34s median %8.1f us   99th percentile %8.1f us   (%u samples)\n", name, median, p99,
                    static_cast<unsigned>(samples_.size()));
    }

private:
    static const LARGE_INTEGER& frequency() {
        static const LARGE_INTEGER f = [] {
            LARGE_INTEGER value;
            QueryPerformanceFrequency(&value);
            return value;
        }();
        return f;
    }

    LARGE_INTEGER start_ = {};
    std::vector<double> samples_;
};

} // namespace tamba::bench
