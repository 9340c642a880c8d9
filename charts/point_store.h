#pragma once
// The points of a series: two parallel lists of X and Y values kept in
// blocks, so that inserting in the middle of a sorted trail of a million
// points costs a block's worth of moves, not the whole list's.
#include <cstddef>
#include <vector>

namespace gravitaria {

class PointStore {
public:
    struct Point {
        double x;
        double y;
    };

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Appends at the end; returns the new point's index.
    std::size_t append(double x, double y);
    // Inserts after the last point whose X is <= x (equal X values keep their
    // order of arrival). Assumes the points are sorted by X; NaN goes last.
    std::size_t insertAscending(double x, double y);
    // Removes the point at `index` (< size()).
    void erase(std::size_t index);
    void clear();

    Point at(std::size_t index) const;

    // Calls f(const Point&) for every point in order.
    template <class F>
    void forEach(F&& f) const {
        for (const auto& block : blocks_) {
            for (const Point& p : block) f(p);
        }
    }

private:
    static constexpr std::size_t kBlockSize = 1024;
    std::vector<std::vector<Point>> blocks_;
    std::size_t size_ = 0;
    // The block of the last lookup and the index of its first point: reading
    // the points one after the other then costs no scan.
    mutable std::size_t cachedBlock_ = 0;
    mutable std::size_t cachedStart_ = 0;

    // Block holding `index` and the index inside it.
    std::pair<std::size_t, std::size_t> locate(std::size_t index) const;
    std::size_t indexOf(std::size_t block, std::size_t offset) const;
    void splitIfFull(std::size_t block);
};

}  // namespace gravitaria
