#pragma once

#include <vector>

namespace mienlore {

// One node of the character map: its grid place, its weights (one per map
// dimension), where it was drawn, and the gallery face that represents it.
class CNode {
public:
    static constexpr int kMaxWeights = 10;

    CNode() = default;
    virtual ~CNode() = default;
    CNode(const CNode&) = default;
    CNode& operator=(const CNode&) = default;

    double x = 0; // grid column
    double y = 0; // grid row
    int weightCount = 0;
    double weights[kMaxWeights] = {};
    int centreX = 0; // screen centre of the node's cell, set when drawn
    int centreY = 0;
    double bestDistance = 99999;
    int face = -1; // gallery index of the representative face
};

// The character map: a self-organising (Kohonen) map of 30 x 20 nodes in
// row-major order, node (x, y) at index x + 30 y.
class CSon {
public:
    static constexpr int kWidth = 30;
    static constexpr int kHeight = 20;
    static constexpr int kNodeCount = kWidth * kHeight;
    static constexpr double kTimeConstant = 3000;
    // Below this neighbourhood radius a sample no longer changes the map.
    static constexpr double kMinRadius = 1.01;

    // A fresh grid for the given dimensions (at most kMaxWeights; more are
    // cut): every weight of node (x, y) starts at x y / 600.
    void Create(const std::vector<int>& dims);

    const std::vector<int>& Dims() const { return m_dims; }
    int WeightCount() const { return static_cast<int>(m_dims.size()); }
    std::vector<CNode>& Nodes() { return m_nodes; }
    const std::vector<CNode>& Nodes() const { return m_nodes; }
    const CNode& Node(int index) const { return m_nodes[index]; }

    // The node whose weights are nearest to the sample (Euclidean; the first
    // in row-major order on ties), and that distance; -1 without nodes.
    int BestMatch(const double* sample, double* distance = nullptr) const;

    // Learning rate and neighbourhood radius of sample t.
    static double Alpha(int t);
    static double Sigma(int t);

    // One training step with sample t: the nodes around the best match move
    // towards the sample. Returns false when the radius is too small for
    // anything to change.
    bool Train(int t, const double* sample);
    // One mapping step: sample t becomes the representative of its best
    // matching node when it is nearer than the one before.
    void MapSample(int t, const double* sample);

    double alpha = 0; // of the last training step
    double sigma = 0;

private:
    std::vector<int> m_dims;
    std::vector<CNode> m_nodes;
};

} // namespace mienlore
