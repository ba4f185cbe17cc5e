// The vertex merge against the plain linear search it stands in for, on
// corners crowded around a few places so that most have several vertices
// within reach, including values at grid-cell edges and values nothing matches.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>
#include <random>

#include "geometry/vertex_merge.h"

namespace {

// Each corner takes the first vertex so far within reach, or becomes one.
void LinearMerge(const std::vector<MeshVertex>& corners, std::vector<MeshVertex>& vertices,
                 std::vector<uint32_t>& indices) {
    for (const MeshVertex& corner : corners) {
        uint32_t found = 0;
        while (found < vertices.size() && !VerticesMatch(corner, vertices[found]))
            ++found;
        if (found == vertices.size()) vertices.push_back(corner);
        indices.push_back(found);
    }
}

const float kInfinity = std::numeric_limits<float>::infinity();
const float kNan = std::numeric_limits<float>::quiet_NaN();

// Components that sit where rounding or grid-cell edges could go wrong.
const float kPlaces[] = {
    0.0f,           -0.0f,     1.0f, -1.0f,      0.0009765625f, -0.00037301368f,
    0.00060354882f, 0.5f,      1e6f, 1048576.0f, 3.3e11f,       1.1e12f,
    -1.1e12f,       kInfinity, kNan};
// Nudges around the tolerance, applied to some components of a corner.
const float kNudges[] = {0.0f,   5e-6f,    -5e-6f,    9.9e-6f, -9.9e-6f, 1e-5f,
                         -1e-5f, 1.01e-5f, -1.01e-5f, 2e-5f,   -2e-5f,   3.1e-5f};

// Corners near 40 places: some components nudged, by amounts inside and
// outside the tolerance.
std::vector<MeshVertex> CrowdedCorners(unsigned seed, int count) {
    std::mt19937 random(seed);
    auto pick = [&](const auto& values) { return values[random() % std::size(values)]; };
    std::vector<std::array<float, 8>> places(40);
    for (auto& place : places)
        for (float& c : place)
            c = random() % 3 ? 0.0f : pick(kPlaces);
    std::vector<MeshVertex> corners(count);
    for (MeshVertex& corner : corners) {
        std::array<float, 8> components = places[random() % places.size()];
        for (float& c : components)
            if (random() % 3 == 0) c += pick(kNudges);
        std::memcpy(&corner, components.data(), sizeof corner);
    }
    return corners;
}

TEST(VertexMerge, GivesTheFirstMatchOfTheLinearSearch) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::vector<MeshVertex> corners = CrowdedCorners(seed, 1000);
        std::vector<MeshVertex> expectedVertices;
        std::vector<uint32_t> expectedIndices, indices;
        LinearMerge(corners, expectedVertices, expectedIndices);
        VertexMerger merger(0);
        for (const MeshVertex& corner : corners)
            indices.push_back(merger.Add(corner));
        ASSERT_EQ(indices, expectedIndices) << "seed " << seed;
    }
}

} // namespace
