#include "Tube.h"

#include <algorithm>
#include <cmath>

namespace {

Point catmullRom(const Point& p0, const Point& p1, const Point& p2, const Point& p3, double t) {
    double t2 = t * t, t3 = t2 * t;
    return (p1 * 2 + (p2 - p0) * t + (p0 * 2 - p1 * 5 + p2 * 4 - p3) * t2 +
            (p1 * 3 - p0 - p2 * 3 + p3) * t3) *
           0.5;
}

} // namespace

Tube::Tube(const std::vector<Point>& spine, double startWidth, double endWidth, int samples) {
    const size_t n = spine.size();
    std::vector<Point> dense;
    for (size_t i = 0; i + 1 < n; ++i) {
        const Point& p0 = spine[i == 0 ? 0 : i - 1];
        const Point& p3 = spine[i + 2 < n ? i + 2 : n - 1];
        for (int k = 0; k < samples; ++k)
            dense.push_back(catmullRom(p0, spine[i], spine[i + 1], p3, static_cast<double>(k) / samples));
    }
    dense.push_back(spine.back());
    std::vector<double> length(dense.size(), 0.0);
    for (size_t i = 1; i < dense.size(); ++i)
        length[i] = length[i - 1] + (dense[i] - dense[i - 1]).length();
    const double total = length.back() > 0 ? length.back() : 1;
    for (size_t i = 0; i < dense.size(); ++i) {
        Point d = dense[std::min(i + 1, dense.size() - 1)] - dense[i == 0 ? 0 : i - 1];
        d = d.normalized();
        centre_.push_back(dense[i]);
        normal_.push_back(Point{-d.y, d.x});
        double t = length[i] / total;
        half_.push_back((startWidth + (endWidth - startWidth) * t) / 2);
    }
}

Point Tube::at(double t, double side) const {
    double f = std::clamp(t, 0.0, 1.0) * static_cast<double>(centre_.size() - 1);
    size_t i = std::min(static_cast<size_t>(f), centre_.size() - 2);
    double u = f - static_cast<double>(i);
    Point c = centre_[i].lerp(centre_[i + 1], u);
    Point nrm = normal_[i].lerp(normal_[i + 1], u);
    double h = half_[i] + (half_[i + 1] - half_[i]) * u;
    return c + nrm * (h * side);
}

Point Tube::direction(double t) const {
    const double e = 0.01;
    return (at(std::min(t + e, 1.0), 0) - at(std::max(t - e, 0.0), 0)).normalized();
}

double Tube::halfWidth(double t) const {
    double f = std::clamp(t, 0.0, 1.0) * static_cast<double>(half_.size() - 1);
    size_t i = std::min(static_cast<size_t>(f), half_.size() - 2);
    return half_[i] + (half_[i + 1] - half_[i]) * (f - static_cast<double>(i));
}

void Tube::outline(Canvas& canvas) const {
    strip(canvas, -1, 1);
}

void Tube::strip(Canvas& canvas, double side0, double side1, double t0, double t1) const {
    const int steps = static_cast<int>(centre_.size());
    canvas.moveTo(at(t0, side0));
    for (int k = 1; k <= steps; ++k)
        canvas.lineTo(at(t0 + (t1 - t0) * k / steps, side0));
    for (int k = steps; k >= 0; --k)
        canvas.lineTo(at(t0 + (t1 - t0) * k / steps, side1));
    canvas.closePath();
}
