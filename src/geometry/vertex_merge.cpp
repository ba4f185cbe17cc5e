#include "geometry/vertex_merge.h"

#include <array>
#include <cmath>

namespace {

constexpr double kTolerance = 0.00001;
constexpr int kComponents = 8;
// Grid cells are 2^-10 wide on every component, far wider than the tolerance,
// so a corner's neighbourhood mostly lies in one cell. The multiplication by a
// power of two is exact, which keeps cell numbers monotonic in the values.
constexpr double kCellsPerUnit = 1024.0;
// Probing reaches twice the tolerance around the corner, more than the
// rounding of the match test can add to it.
constexpr double kProbeReach = 2 * kTolerance;
// A component of this magnitude or beyond, or NaN or an infinity, matches
// nothing, not even itself: the double next to it is further away than the
// tolerance, so a ± 0.00001 rounds back to a, and floats below it are at
// least 2^16 away. Such vertices stay out of the grid.
constexpr double kLargestMatchable = 1099511627776.0; // 2^40
constexpr uint32_t kNone = UINT32_MAX;

using Components = std::array<float, kComponents>;

Components ComponentsOf(const MeshVertex& v) { return {v.s, v.t, v.nx, v.ny, v.nz, v.x, v.y, v.z}; }

bool Matchable(const Components& components) {
    for (float c : components)
        if (!(std::fabs(c) < kLargestMatchable)) return false;
    return true;
}

int64_t CellOf(double value) { return static_cast<int64_t>(std::floor(value * kCellsPerUnit)); }

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

// Cells are told apart by their 64-bit hash only: cells that share a hash share
// one list, which costs comparisons but never changes a result, because every
// candidate goes through the match test.
class VertexGrid {
public:
    explicit VertexGrid(size_t expectedVertices) {
        size_t size = 16;
        while (size < expectedVertices * 2) size *= 2;
        slots_.resize(size);
        next_.reserve(expectedVertices);
    }

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
            const Slot* slot = Find(Mix(sum));
            if (!slot) continue;
            for (uint32_t v = slot->head; v != kNone && v < best; v = next_[v]) {
                if (VerticesMatch(corner, vertices[v])) {
                    best = v;
                    break;
                }
            }
        }
        return best;
    }

    // Vertices are inserted in ascending order, so every list stays ascending.
    void Insert(uint32_t vertex, const Components& components) {
        if (next_.size() <= vertex) next_.resize(vertex + 1, kNone);
        uint64_t sum = 0;
        for (int i = 0; i < kComponents; ++i) sum += Term(i, CellOf(components[i]));
        uint64_t hash = Mix(sum);
        Slot& slot = FindOrAdd(hash);
        if (slot.head == kNone) {
            slot.head = vertex;
        } else {
            next_[slot.tail] = vertex;
        }
        slot.tail = vertex;
    }

private:
    struct Slot {
        uint64_t hash = 0;
        uint32_t head = kNone;
        uint32_t tail = kNone;
    };

    const Slot* Find(uint64_t hash) const {
        size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.head == kNone) return nullptr;
            if (slot.hash == hash) return &slot;
        }
    }

    Slot& FindOrAdd(uint64_t hash) {
        if ((used_ + 1) * 2 > slots_.size()) Grow();
        size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (slot.head != kNone && slot.hash != hash) continue;
            if (slot.head == kNone) {
                slot.hash = hash;
                ++used_;
            }
            return slot;
        }
    }

    void Grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        size_t mask = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.head == kNone) continue;
            size_t i = slot.hash & mask;
            while (slots_[i].head != kNone) i = (i + 1) & mask;
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::vector<uint32_t> next_; // the next vertex in the same list, by vertex number
    size_t used_ = 0;
};

} // namespace

bool VerticesMatch(const MeshVertex& corner, const MeshVertex& candidate) {
    Components a = ComponentsOf(corner);
    Components b = ComponentsOf(candidate);
    for (int i = 0; i < kComponents; ++i) {
        double center = a[i];
        if (!(center - kTolerance < b[i] && b[i] < center + kTolerance)) return false;
    }
    return true;
}

void MergeVertices(std::span<const MeshVertex> corners, std::vector<MeshVertex>& vertices,
                   std::vector<uint32_t>& indices) {
    vertices.clear();
    indices.clear();
    indices.reserve(corners.size());
    VertexGrid grid(corners.size() / 2);
    for (const MeshVertex& corner : corners) {
        Components components = ComponentsOf(corner);
        bool matchable = Matchable(components);
        uint32_t index = matchable ? grid.FindFirstMatch(corner, components, vertices) : kNone;
        if (index == kNone) {
            index = static_cast<uint32_t>(vertices.size());
            vertices.push_back(corner);
            if (matchable) grid.Insert(index, components);
        }
        indices.push_back(index);
    }
}
