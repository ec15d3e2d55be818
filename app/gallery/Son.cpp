#include "gallery/Son.h"

#include <algorithm>
#include <cmath>

namespace mienlore {

void CSon::Create(const std::vector<int>& dims) {
    m_dims.assign(dims.begin(),
                  dims.begin() + std::min<std::size_t>(dims.size(), CNode::kMaxWeights));
    m_nodes.assign(kNodeCount, CNode());
    alpha = 0;
    sigma = 0;
    const int count = WeightCount();
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            CNode& node = m_nodes[x + kWidth * y];
            node.x = x;
            node.y = y;
            node.weightCount = count;
            for (int w = 0; w < count; ++w)
                node.weights[w] = static_cast<double>(x) * y / (kWidth * kHeight);
        }
    }
}

int CSon::BestMatch(const double* sample, double* distance) const {
    const int count = WeightCount();
    int best = -1;
    double bestSquare = 0;
    for (int i = 0; i < static_cast<int>(m_nodes.size()); ++i) {
        const double* w = m_nodes[i].weights;
        double square = 0;
        for (int k = 0; k < count; ++k) {
            const double d = sample[k] - w[k];
            square += d * d;
        }
        if (best < 0 || square < bestSquare) {
            best = i;
            bestSquare = square;
        }
    }
    if (distance)
        *distance = best < 0 ? 0 : std::sqrt(bestSquare);
    return best;
}

double CSon::Alpha(int t) {
    // 15: half the larger side of the grid.
    return std::exp(-t * std::log(15.0) / kTimeConstant);
}

double CSon::Sigma(int t) {
    return 15 * Alpha(t);
}

bool CSon::Train(int t, const double* sample) {
    alpha = Alpha(t);
    sigma = 15 * alpha;
    if (sigma < kMinRadius || m_nodes.empty())
        return false;
    const CNode& winner = m_nodes[BestMatch(sample)];
    const int bx = static_cast<int>(winner.x);
    const int by = static_cast<int>(winner.y);
    const int reach = static_cast<int>(sigma);
    const int count = WeightCount();
    const double spread = 2 * sigma * sigma;
    const double rate = alpha * 0.1;
    for (int y = std::max(0, by - reach); y <= std::min(kHeight - 1, by + reach); ++y) {
        for (int x = std::max(0, bx - reach); x <= std::min(kWidth - 1, bx + reach); ++x) {
            const double square = static_cast<double>((x - bx) * (x - bx) + (y - by) * (y - by));
            if (std::sqrt(square) > sigma)
                continue;
            const double pull = std::exp(-square / spread) * rate;
            double* w = m_nodes[x + kWidth * y].weights;
            for (int k = 0; k < count; ++k)
                w[k] += (sample[k] - w[k]) * pull;
        }
    }
    return true;
}

void CSon::MapSample(int t, const double* sample) {
    double distance = 0;
    const int best = BestMatch(sample, &distance);
    if (best < 0)
        return;
    CNode& node = m_nodes[best];
    if (distance < node.bestDistance) {
        node.bestDistance = distance;
        node.face = t;
    }
}

} // namespace mienlore
