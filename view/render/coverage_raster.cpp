#include "view/render/coverage_raster.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

namespace {

constexpr int subLines = 16; // sample lines down each pixel row
// Device coordinates are kept within this, far beyond any clip a mask may have, so that every
// sum and crossing stays a finite number whatever scale and origin the caller gives.
constexpr double farAway = 1e7;

double Bounded(double v) {
    return std::isnan(v) ? 0 : std::clamp(v, -farAway, farAway);
}

struct Edge {
    double x0, y0, x1, y1; // y0 < y1
    int winding;           // +1 downwards, -1 upwards
};

// The outline as straight edges in device pixels, each contour closed back to its start.
class Flattener {
  public:
    Flattener(double ox, double oy, double scale) : ox_(ox), oy_(oy), scale_(scale) {}

    void moveTo(OutlinePoint p) {
        close();
        start_ = current_ = map(p);
        open_ = true;
    }
    void lineTo(OutlinePoint p) { add(map(p)); }
    void cubicTo(OutlinePoint c1, OutlinePoint c2, OutlinePoint end) {
        const OutlinePoint p0 = current_, p1 = map(c1), p2 = map(c2), p3 = map(end);
        // Enough pieces that each strays less than a hundredth of a pixel from the curve.
        const double dd = std::max(std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y),
                                   std::hypot(p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y));
        const double want = std::ceil(std::sqrt(dd * 75));
        const int pieces = want > 1 ? static_cast<int>(std::min(want, 256.0)) : 1;
        for (int i = 1; i <= pieces; ++i) {
            const double t = static_cast<double>(i) / pieces, u = 1 - t;
            add({u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
                 u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y +
                     t * t * t * p3.y});
        }
    }
    std::vector<Edge> finish() {
        close();
        return std::move(edges_);
    }

  private:
    OutlinePoint map(OutlinePoint p) const {
        return {Bounded(ox_ + p.x * scale_), Bounded(oy_ + p.y * scale_)};
    }
    void add(OutlinePoint to) {
        if (to.y != current_.y) {
            if (to.y > current_.y)
                edges_.push_back({current_.x, current_.y, to.x, to.y, 1});
            else
                edges_.push_back({to.x, to.y, current_.x, current_.y, -1});
        }
        current_ = to;
    }
    void close() {
        if (open_) add(start_);
        open_ = false;
    }

    double ox_, oy_, scale_;
    OutlinePoint start_, current_;
    bool open_ = false;
    std::vector<Edge> edges_;
};

std::vector<Edge> Flatten(const Outline& o, double ox, double oy, double scale) {
    Flattener f(ox, oy, scale);
    std::size_t p = 0;
    for (Outline::Step step : o.steps) {
        const std::size_t count = step == Outline::Step::Cubic ? 3 : 1;
        if (o.points.size() - p < count) break; // an outline short of points ends there
        if (step == Outline::Step::Move)
            f.moveTo(o.points[p]);
        else if (step == Outline::Step::Line)
            f.lineTo(o.points[p]);
        else
            f.cubicTo(o.points[p], o.points[p + 1], o.points[p + 2]);
        p += count;
    }
    return f.finish();
}

// Adds the part of [from, to) that falls on each pixel of a row, in pixels of the row.
void AddSpan(std::vector<float>& row, double from, double to) {
    if (!(from < to)) return; // also when either is not a number
    const double width = static_cast<double>(row.size());
    from = std::clamp(from, 0.0, width);
    to = std::clamp(to, 0.0, width);
    if (to <= from) return;
    const int first = static_cast<int>(from), last = static_cast<int>(std::ceil(to)) - 1;
    if (first == last) {
        row[first] += static_cast<float>(to - from);
        return;
    }
    row[first] += static_cast<float>(first + 1 - from);
    for (int x = first + 1; x < last; ++x) row[x] += 1;
    row[last] += static_cast<float>(to - last);
}

} // namespace

CoverageMask FillCoverage(const Outline& outline, double originX, double originY, double scale,
                          const DeviceRect& clip) {
    if (clip.width <= 0 || clip.height <= 0 ||
        static_cast<double>(clip.width) * clip.height > maxMaskPixels)
        return {{clip.x, clip.y, 0, 0}, {}};
    CoverageMask mask{clip, std::vector<std::uint8_t>(static_cast<std::size_t>(clip.width) *
                                                      static_cast<std::size_t>(clip.height))};
    // Edges in the mask's own pixels, sorted by where they start down the mask.
    std::vector<Edge> edges = Flatten(outline, originX - clip.x, originY - clip.y, scale);
    // Heap sorts: either order of edges that start together gives the same crossings, which are
    // sorted whole; and a heap sort is a fraction of std::sort's code, which the page's
    // WebAssembly would carry for each.
    const auto above = [](const Edge& a, const Edge& b) { return a.y0 < b.y0; };
    std::make_heap(edges.begin(), edges.end(), above);
    std::sort_heap(edges.begin(), edges.end(), above);
    const bool nonZero = outline.fill == Outline::Fill::NonZero;

    std::vector<float> row(clip.width);
    std::vector<std::pair<double, int>> crossings;
    std::vector<const Edge*> active;
    std::size_t next = 0;
    for (int y = 0; y < clip.height; ++y) {
        std::fill(row.begin(), row.end(), 0.0f);
        for (int k = 0; k < subLines; ++k) {
            const double sy = y + (k + 0.5) / subLines;
            while (next < edges.size() && edges[next].y0 <= sy) active.push_back(&edges[next++]);
            std::erase_if(active, [sy](const Edge* e) { return e->y1 <= sy; });
            crossings.clear();
            for (const Edge* e : active)
                if (e->y0 <= sy)
                    crossings.emplace_back(e->x0 + (sy - e->y0) * (e->x1 - e->x0) / (e->y1 - e->y0),
                                           e->winding);
            std::make_heap(crossings.begin(), crossings.end());
            std::sort_heap(crossings.begin(), crossings.end());
            int winding = 0;
            for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
                winding += crossings[i].second;
                const bool inside = nonZero ? winding != 0 : (winding & 1) != 0;
                if (inside) AddSpan(row, crossings[i].first, crossings[i + 1].first);
            }
        }
        std::uint8_t* out = mask.alpha.data() + static_cast<std::size_t>(y) * clip.width;
        for (int x = 0; x < clip.width; ++x)
            out[x] =
                static_cast<std::uint8_t>(std::lround(std::min(row[x] / subLines, 1.0f) * 255));
    }
    return mask;
}

} // namespace pirandella
