#include "stitch/align/CRosenfeldCorner.h"

#include "stitch/image/CImage.h"
#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

CRosenfeldCorner::CRosenfeldCorner(CImage* image, const ImageRegion& region, CRosenfeldParams params)
    : m_pImage(image), m_Region(region), m_Params(params)
{
}

CRosenfeldCorner::~CRosenfeldCorner()
{
    delete[] m_pCorners;
}

bool CRosenfeldCorner::Run()
{
    delete[] m_pCorners;
    m_pCorners = nullptr;
    m_lCount = 0;
    const int W = m_Region.right - m_Region.left + 1;
    const int H = m_Region.bottom - m_Region.top + 1;
    if (W < 5 || H < 5 || !m_pImage || !m_pImage->Bits())
        return false;
    std::vector<unsigned char> I;
    std::vector<int> measure;
    try {
        I.resize(size_t(W) * H);
        measure.assign(size_t(W) * H, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    BlurGrayImage(m_pImage, I.data(), m_Region);
    auto at = [&](int x, int y) { return int(I[size_t(y) * W + x]); };

    // Rows side by side, each with its own largest measure.
    std::vector<int> rowMost;
    try {
        rowMost.assign(size_t(H), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    StitchThreads::For(H - 2, [&](int row) {
        const int y = row + 1;
        int most = 0;
        for (int x = 1; x <= W - 2; ++x) {
            const int dx = at(x + 1, y) - at(x - 1, y);
            const int dy = at(x, y + 1) - at(x, y - 1);
            const int dxx = at(x - 1, y) + at(x + 1, y) - 2 * at(x, y);
            const int dyy = at(x, y - 1) + at(x, y + 1) - 2 * at(x, y);
            const int dxy = at(x + 1, y + 1) - at(x - 1, y + 1) - at(x + 1, y - 1) + at(x - 1, y - 1);
            const int m = short((std::abs(dyy) * dx * dx + std::abs(dxx) * dy * dy - 2 * std::abs(dx) * std::abs(dy) * std::abs(dxy))
                                / (dx * dx + dy * dy + 1));
            measure[size_t(y) * W + x] = m;
            most = std::max(most, m);
        }
        rowMost[size_t(y)] = most;
    }, 16);
    const int M = *std::max_element(rowMost.begin(), rowMost.end());
    const int t = m_Params.threshold * M / 10;

    // Candidates, marked by raising them above every unmarked measure.
    std::vector<Corner> candidates;
    std::vector<int> histogram(size_t(std::max(M - t, 0)) + 1, 0);
    for (int y = 2; y <= H - 3; ++y)
        for (int x = 2; x <= W - 3; ++x) {
            int& m = measure[size_t(y) * W + x];
            if (m <= t || m <= measure[size_t(y) * W + x - 1] || m <= measure[size_t(y) * W + x + 1]
                || m <= measure[size_t(y - 1) * W + x] || m <= measure[size_t(y + 1) * W + x])
                continue;
            candidates.push_back(Corner{x, y, short(m)});
            ++histogram[size_t(m - t)];
            m += M;
        }
    if (candidates.empty())
        return false;

    int cutoff = t + 1;
    if (int(candidates.size()) > kCap) {
        int sum = 0;
        for (int value = M; value > t; --value) {
            sum += histogram[size_t(value - t)];
            if (sum > kCap) {
                cutoff = value;
                break;
            }
        }
    }
    std::vector<Corner> kept;
    for (const Corner& c : candidates)
        if (c.measure >= cutoff)
            kept.push_back(c);
    // Strongest first; equal measures keep their scan order.
    std::stable_sort(kept.begin(), kept.end(), [](const Corner& a, const Corner& b) { return a.measure > b.measure; });
    m_pCorners = new (std::nothrow) Corner[kept.size()];
    if (!m_pCorners)
        return false;
    std::copy(kept.begin(), kept.end(), m_pCorners);
    m_lCount = int(kept.size());
    return true;
}

int CRosenfeldCorner::GetCornerList(int maxCount, tagPOINT* out)
{
    if (maxCount < 1 || !out || !Run())
        return 0;
    const int W = m_Region.right - m_Region.left + 1;
    const int H = m_Region.bottom - m_Region.top + 1;
    const int side = std::min(W, H);
    m_Params.spacing = std::min(side >= 100 ? side / 20 : 4, 32);
    const int spacing = m_Params.spacing;
    int taken = 0;
    for (int i = 0; i < m_lCount && taken < maxCount; ++i) {
        const Corner& c = m_pCorners[i];
        bool near = false;
        for (int j = 0; j < taken && !near; ++j)
            near = std::abs(c.x - (out[j].x - m_Region.left)) <= spacing && std::abs(c.y - (out[j].y - m_Region.top)) <= spacing;
        if (near)
            continue;
        out[taken++] = tagPOINT{c.x + m_Region.left, c.y + m_Region.top};
    }
    return taken;
}
