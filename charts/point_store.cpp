#include "point_store.h"

#include <algorithm>

namespace gravitaria {

std::size_t PointStore::append(double x, double y) {
    // Appending leaves every earlier block and its start as they were.
    if (blocks_.empty() || blocks_.back().size() >= kBlockSize) {
        blocks_.emplace_back();
        blocks_.back().reserve(kBlockSize);
    }
    blocks_.back().push_back({x, y});
    return size_++;
}

std::size_t PointStore::insertAscending(double x, double y) {
    // First block whose last X is greater than x: the point goes inside it,
    // after its points with X <= x. None: the point goes at the end. NaN
    // compares false everywhere, so it lands at the end too.
    const auto greater = [x](const std::vector<Point>& b) { return b.back().x > x; };
    const auto notGreater = [&greater](const std::vector<Point>& b) { return !greater(b); };
    const auto it = std::partition_point(blocks_.begin(), blocks_.end(), notGreater);
    if (it == blocks_.end()) return append(x, y);
    const std::size_t block = static_cast<std::size_t>(it - blocks_.begin());
    auto& pts = *it;
    const auto pos = std::upper_bound(pts.begin(), pts.end(), x,
                                      [](double v, const Point& p) { return v < p.x; });
    const std::size_t offset = static_cast<std::size_t>(pos - pts.begin());
    pts.insert(pos, Point{x, y});
    ++size_;
    cachedBlock_ = cachedStart_ = 0;
    const std::size_t index = indexOf(block, offset);
    splitIfFull(block);
    return index;
}

void PointStore::erase(std::size_t index) {
    const auto [block, offset] = locate(index);
    auto& pts = blocks_[block];
    pts.erase(pts.begin() + static_cast<std::ptrdiff_t>(offset));
    if (pts.empty()) blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
    --size_;
    cachedBlock_ = cachedStart_ = 0;
}

void PointStore::clear() {
    blocks_.clear();
    size_ = 0;
    cachedBlock_ = cachedStart_ = 0;
}

PointStore::Point PointStore::at(std::size_t index) const {
    // The last point is the common case (markers, line ends): no scan.
    if (index + 1 == size_) return blocks_.back().back();
    const auto [block, offset] = locate(index);
    return blocks_[block][offset];
}

std::pair<std::size_t, std::size_t> PointStore::locate(std::size_t index) const {
    std::size_t b = 0;
    std::size_t start = 0;
    if (cachedBlock_ < blocks_.size() && index >= cachedStart_) {
        b = cachedBlock_;
        start = cachedStart_;
    }
    for (; b < blocks_.size(); ++b) {
        if (index < start + blocks_[b].size()) {
            cachedBlock_ = b;
            cachedStart_ = start;
            return {b, index - start};
        }
        start += blocks_[b].size();
    }
    return {blocks_.size(), 0};  // callers check index < size()
}

std::size_t PointStore::indexOf(std::size_t block, std::size_t offset) const {
    std::size_t index = offset;
    for (std::size_t b = 0; b < block; ++b) index += blocks_[b].size();
    return index;
}

void PointStore::splitIfFull(std::size_t block) {
    auto& pts = blocks_[block];
    if (pts.size() < 2 * kBlockSize) return;
    std::vector<Point> upper(pts.begin() + static_cast<std::ptrdiff_t>(kBlockSize), pts.end());
    pts.resize(kBlockSize);
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
}

}  // namespace gravitaria
