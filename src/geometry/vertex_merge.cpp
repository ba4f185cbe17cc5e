#include "geometry/vertex_merge.h"

#include <array>
#include <cmath>

namespace {

constexpr double kTolerance = 0.00001;
constexpr int kComponents = 8;
// Grid cells are 2^-10 wide on every component, far wider than the tolerance,
// so a corner's neighbourhood mostly lies in one cell. Their edges are offset
// from the round values files are full of (0, 1, 0.5), where every component
// would otherwise reach into two cells. Cell numbers only need to grow with
// the values, which the rounding of both steps keeps.
constexpr double kCellsPerUnit = 1024.0;
constexpr double kCellOffset = 0.3819660112501051;
// Probing reaches a little beyond the tolerance around the corner. Below 2^20
// the match test's rounding adds less than 2^-33 to the tolerance; above it,
// floats are so far apart that only equal values can match.
constexpr double kProbeReach = 1.001 * kTolerance;
// A component of this magnitude or beyond, or NaN or an infinity, matches
// nothing, not even itself: doubles there lie more than twice the tolerance
// apart, so a ± 0.00001 rounds back to a, and the floats below it are at least
// 2^16 away. Such vertices stay out of the grid.
constexpr double kLargestMatchable = 1099511627776.0; // 2^40
constexpr uint32_t kNone = UINT32_MAX;

using Components = std::array<float, kComponents>;

Components ComponentsOf(const MeshVertex& v) {
    return {v.s, v.t, v.nx, v.ny, v.nz, v.x, v.y, v.z};
}

bool Matchable(const Components& components) {
    for (float c : components)
        if (!(std::fabs(c) < kLargestMatchable)) return false;
    return true;
}

// Rounds down; the values stay far inside the int64 range (below 2^51).
int64_t CellOf(double value) {
    double scaled = value * kCellsPerUnit + kCellOffset;
    auto cell = static_cast<int64_t>(scaled);
    return cell - (scaled < static_cast<double>(cell));
}

uint64_t Mix(uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// A cell's hash is the mix of a sum of per-component terms, so neighbouring
// cells differ by swapping single terms.
uint64_t Term(int component, int64_t cell) {
    return Mix(static_cast<uint64_t>(cell) * kComponents + static_cast<uint64_t>(component));
}

} // namespace

// Each bucket lists, newest first, the vertices of every cell whose hash
// falls in it. Cells that share a bucket only cost comparisons, never a
// different result, because every candidate goes through the match test.
// There are at least twice as many buckets as vertices.
class VertexMerger::Grid {
  public:
    explicit Grid(size_t expectedVertices) { Resize(expectedVertices * 2); }

    // The smallest vertex number that matches, or kNone.
    uint32_t FindFirstMatch(const MeshVertex& corner, const Components& components,
                            const std::vector<MeshVertex>& vertices) const {
        uint64_t lowSum = 0;
        uint64_t swaps[kComponents];
        int straddling = 0;
        for (int i = 0; i < kComponents; ++i) {
            int64_t low = CellOf(components[i] - kProbeReach);
            int64_t high = CellOf(components[i] + kProbeReach);
            lowSum += Term(i, low);
            if (high != low) swaps[straddling++] = Term(i, high) - Term(i, low);
        }
        uint32_t best = kNone;
        for (uint32_t subset = 0; subset < (1u << straddling); ++subset) {
            uint64_t sum = lowSum;
            for (int bit = 0; bit < straddling; ++bit)
                if (subset & (1u << bit)) sum += swaps[bit];
            for (uint32_t v = heads_[Mix(sum) & mask_]; v != kNone; v = next_[v])
                if (v < best && VerticesMatch(corner, vertices[v])) best = v;
        }
        return best;
    }

    void Insert(uint32_t vertex, const std::vector<MeshVertex>& vertices) {
        if (next_.size() <= vertex) next_.resize(vertex + 1, kNone);
        if (vertex >= heads_.size() / 2) {
            Resize(heads_.size() * 2);
            for (uint32_t v = 0; v < vertex; ++v)
                if (Matchable(ComponentsOf(vertices[v]))) Link(v, vertices[v]);
        }
        Link(vertex, vertices[vertex]);
    }

  private:
    void Resize(size_t buckets) {
        size_t size = 16;
        while (size < buckets)
            size *= 2;
        heads_.assign(size, kNone);
        mask_ = size - 1;
    }

    void Link(uint32_t vertex, const MeshVertex& values) {
        Components components = ComponentsOf(values);
        uint64_t sum = 0;
        for (int i = 0; i < kComponents; ++i)
            sum += Term(i, CellOf(components[i]));
        uint32_t& head = heads_[Mix(sum) & mask_];
        next_[vertex] = head;
        head = vertex;
    }

    std::vector<uint32_t> heads_;
    std::vector<uint32_t> next_; // the next vertex in the same bucket, by vertex number
    size_t mask_ = 0;
};

bool VerticesMatch(const MeshVertex& corner, const MeshVertex& candidate) {
    Components a = ComponentsOf(corner);
    Components b = ComponentsOf(candidate);
    for (int i = 0; i < kComponents; ++i) {
        double center = a[i];
        if (!(center - kTolerance < b[i] && b[i] < center + kTolerance)) return false;
    }
    return true;
}

VertexMerger::VertexMerger(size_t expectedVertices)
    : grid_(std::make_unique<Grid>(expectedVertices)) {
    vertices_.reserve(expectedVertices);
}

VertexMerger::~VertexMerger() = default;

uint32_t VertexMerger::Add(const MeshVertex& corner) {
    Components components = ComponentsOf(corner);
    bool matchable = Matchable(components);
    uint32_t index = matchable ? grid_->FindFirstMatch(corner, components, vertices_) : kNone;
    if (index == kNone) {
        index = static_cast<uint32_t>(vertices_.size());
        vertices_.push_back(corner);
        if (matchable) grid_->Insert(index, vertices_);
    }
    return index;
}
