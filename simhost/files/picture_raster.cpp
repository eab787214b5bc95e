#include "simhost/files/picture_raster.h"

#include <cstdio>

namespace simhost::picture {

void PathPieces::Add(double x, double y, const std::string &rest, double endX, double endY) {
    if (pieces_.empty() || pieces_.back().size() >= kPathPiece) {
        pieces_.emplace_back();
        pieces_.back() += "M" + Short(x) + " " + Short(y);
    } else {
        pieces_.back() += "m" + Short(x - atX_) + " " + Short(y - atY_);
    }
    pieces_.back() += rest;
    atX_ = endX;
    atY_ = endY;
}

std::string PathPieces::Elements(const std::string &attributes) const {
    std::string out;
    for (const std::string &d : pieces_) out += "<path" + attributes + " d=\"" + d + "\"/>\n";
    return out;
}

void Coverage::Polygon(std::span<const int> face, const std::vector<Point> &corners, double width) {
    const size_t first = Cell(corners[0]);
    bool onePixel = first != kOutside;
    for (size_t i = 1; i < corners.size() && onePixel; ++i) onePixel = Cell(corners[i]) == first;
    double outline = 0.0;
    for (size_t i = 0; i < corners.size(); ++i) {
        const size_t j = i + 1 == corners.size() ? 0 : i + 1;
        if (face[i] == face[j]) continue;
        if (onePixel) {
            outline += Length(corners[i], corners[j]);
        } else {
            Line(corners[i], corners[j], width);
        }
    }
    if (onePixel) cells_[first] += static_cast<float>(outline * width);
}

void Coverage::Line(const Point &from, const Point &to, double width) {
    const double du = to.u - from.u;
    const double dv = to.v - from.v;
    const double length = Length(from, to);
    if (!std::isfinite(length)) return;
    const int steps = std::max(1, static_cast<int>(std::ceil(2.0 * std::max(std::abs(du), std::abs(dv)))));
    const float share = static_cast<float>(length * width / steps);
    for (int step = 0; step < steps; ++step) {
        const double t = (step + 0.5) / steps;
        const size_t cell = Cell({from.u + t * du, from.v + t * dv});
        if (cell != kOutside) cells_[cell] += share;
    }
}

std::string Mixed(int grey, int shade) {
    const int value = 255 - (255 - grey) * shade / Coverage::kShades;
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", value, value, value);
    return text;
}

std::vector<MarkRun> MarkGrid::Runs() const {
    std::vector<MarkRun> runs;
    const auto marked = [&](int row, int column) {
        return column < cells_ &&
               marked_[static_cast<size_t>(row) * static_cast<size_t>(cells_) + static_cast<size_t>(column)];
    };
    for (int row = 0; row < cells_; ++row) {
        for (int column = 0; column < cells_; ++column) {
            if (!marked(row, column)) continue;
            const int first = column;
            while (marked(row, column + 1)) ++column;
            runs.push_back({row, first, column});
        }
    }
    return runs;
}

}  // namespace simhost::picture
