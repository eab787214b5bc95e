// The raster of a picture: what a dense mesh or a crowd of marks becomes when there are too
// many to draw one by one. How much of each pixel of a panel the edges cover, grids of
// marks a few pixels apart, and path data in pieces that every renderer accepts.
#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "simhost/files/picture_geometry.h"

namespace simhost::picture {

// Some renderers refuse an attribute of many megabytes; path data is split into pieces
// of at most about this many bytes.
constexpr size_t kPathPiece = 100'000;

// Path data of many subpaths, split into pieces of at most about kPathPiece bytes, each
// its own path element. A subpath moves relative to where the one before it ended, but
// the first of a piece starts from an absolute point, so that every piece stands alone.
class PathPieces {
public:
    // A subpath that starts at (x, y), goes on with `rest` and ends at (endX, endY).
    void Add(double x, double y, const std::string &rest, double endX, double endY);

    std::string Elements(const std::string &attributes) const;

private:
    std::vector<std::string> pieces_;
    double atX_ = 0.0;
    double atY_ = 0.0;
};

// How much of each pixel of a panel the edges of one kind cover, as a renderer blends a
// thin line into the pixels it crosses: a line of width w runs l pixels through a pixel
// and covers l·w of it. A dense mesh covers its pixels many times over and is drawn as
// a solid shape; a sparse one as lines as faint as their width makes them.
class Coverage {
public:
    static constexpr int kShades = 4;

    Coverage() : cells_(static_cast<size_t>(kPanelPixels) * kPanelPixels, 0.0f) {}

    // A point in pixels from the panel's corner.
    struct Point {
        double u;
        double v;
    };

    // The sides of a face whose corners lie at `corners`, but for those from a corner to
    // itself. A face within one pixel, as nearly every face of a dense mesh is, adds its
    // whole outline there at once.
    void Polygon(std::span<const int> face, const std::vector<Point> &corners, double width);

    // A line between two points: sampled at least twice per pixel it crosses, each sample
    // adding its share of the length.
    void Line(const Point &from, const Point &to, double width);

    // The shade of a pixel: 0 for none, up to kShades for fully covered. The least touch
    // is shown, as a renderer's anti-aliasing shows the thinnest line.
    int Shade(int column, int row) const {
        const float covered = cells_[static_cast<size_t>(row) * kPanelPixels + static_cast<size_t>(column)];
        if (covered <= 0.0f) return 0;
        return static_cast<int>(std::ceil(std::min(covered, 1.0f) * kShades));
    }

private:
    static constexpr size_t kOutside = std::numeric_limits<size_t>::max();

    static double Length(const Point &from, const Point &to) {
        return std::sqrt((to.u - from.u) * (to.u - from.u) + (to.v - from.v) * (to.v - from.v));
    }

    // The pixel a point falls on. Every finite vertex lies inside the panel: outside are
    // only vertices at infinity or NaN, which have no place in the picture.
    static size_t Cell(const Point &p) {
        if (!(p.u >= 0.0 && p.u < kPanel && p.v >= 0.0 && p.v < kPanel)) return kOutside;
        return static_cast<size_t>(p.v) * kPanelPixels + static_cast<size_t>(p.u);
    }

    std::vector<float> cells_;
};

// A grey mixed with the white page as `shade` of kShades parts of it.
std::string Mixed(int grey, int shade);

// Marked cells side by side in a row of a grid of marks: the row, and the columns of the
// first and the last.
struct MarkRun {
    int row;
    int first;
    int last;
};

// Which cells of a panel's grid of marks, `pitch` pixels apart, hold one.
class MarkGrid {
public:
    explicit MarkGrid(int pitch)
        : pitch_(pitch), cells_(kPanelPixels / pitch), marked_(static_cast<size_t>(cells_) * cells_, false) {}

    // A mark at a point given in pixels from the panel's corner; none for a point outside,
    // which only a vertex at infinity or NaN gives.
    void Mark(double u, double v) {
        if (!(u >= 0.0 && u < cells_ * pitch_ && v >= 0.0 && v < cells_ * pitch_)) return;
        marked_[static_cast<size_t>(v / pitch_) * static_cast<size_t>(cells_) + static_cast<size_t>(u / pitch_)] = true;
    }

    // Row by row, each run of marked cells side by side.
    std::vector<MarkRun> Runs() const;

private:
    int pitch_;
    int cells_;
    std::vector<bool> marked_;
};

}  // namespace simhost::picture
