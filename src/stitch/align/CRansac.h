#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

// A private, seeded random source for the consensus loops, so that every run
// repeats exactly and no other code's use of rand() disturbs it (nor the other
// way round). The recurrence is the Park-Miller minimal standard generator.
class RansacRandom
{
public:
    explicit RansacRandom(std::uint32_t seed) { Seed(seed); }

    void Seed(std::uint32_t seed)
    {
        m_state = seed % 2147483647u;
        if (m_state == 0)
            m_state = 1;
    }

    // 1 .. 2^31 - 2
    std::uint32_t Next()
    {
        m_state = std::uint32_t((std::uint64_t(m_state) * 48271u) % 2147483647u);
        return m_state;
    }

private:
    std::uint32_t m_state = 1;
};

// Random-sample consensus over an array of data of type T, not owned. A
// derived class supplies the model: FitModel fits it to `count` data and says
// whether the fit is usable; Distance is a datum's error under the current
// model (squared pixels for the models of this library).
//
// Run draws samples of m distinct data, keeps the largest set of data whose
// error is strictly below the threshold, lowers the iteration limit as the
// inlier share rises, and finally refits the model on the best set. The
// inlier flags (one per datum, owned) hold that set afterwards.
template <typename T>
class CRansac
{
public:
    CRansac(int count, int sampleSize, T* data, std::uint32_t seed)
        : m_nCount(count), m_nSampleSize(sampleSize), m_pData(data), m_random(seed)
    {
        m_inliers.assign(count > 0 ? size_t(count) : 0, 0);
    }
    virtual ~CRansac() = default;

    virtual double Distance(const T& datum) = 0;
    virtual bool FitModel(int count, T* data) = 0;

    bool Run(int maxIterations, double threshold, double confidence)
    {
        const int n = m_nCount, m = m_nSampleSize;
        // Fewer data than a sample could never be drawn without repeats.
        if (n <= 0 || m <= 0 || n < m || !m_pData)
            return false;
        m_inliers.assign(size_t(n), 0);
        std::vector<unsigned char> scratch(static_cast<size_t>(n));
        std::vector<int> picked(static_cast<size_t>(m));
        std::vector<T> sample(static_cast<size_t>(m));
        const double logp = std::log(1.0 - confidence);
        int limit = maxIterations;
        int best = 0;
        for (int iteration = 0; iteration < limit; ++iteration) {
            for (int i = 0; i < m; ++i) {
                bool repeated;
                do {
                    picked[i] = int(m_random.Next() % std::uint32_t(n));
                    repeated = false;
                    for (int j = 0; j < i; ++j)
                        repeated = repeated || picked[j] == picked[i];
                } while (repeated);
                sample[i] = m_pData[picked[i]];
            }
            if (!FitModel(m, sample.data()))
                continue;
            int count = 0;
            for (int i = 0; i < n; ++i) {
                scratch[i] = Distance(m_pData[i]) < threshold ? 1 : 0;
                count += scratch[i];
            }
            if (count <= best)
                continue;
            m_inliers = scratch;
            best = count;
            const double outliers = 1.0 - double(count) / n;
            if (outliers < 1e-8)
                break;
            const double needed = logp / std::log(1.0 - std::pow(1.0 - outliers, m));
            if (needed < limit)
                limit = int(needed + 1);
        }
        if (best < m)
            return false;
        std::vector<T> chosen;
        chosen.reserve(size_t(best));
        for (int i = 0; i < n; ++i)
            if (m_inliers[i])
                chosen.push_back(m_pData[i]);
        return FitModel(int(chosen.size()), chosen.data());
    }

    bool IsInlier(int index) const { return index >= 0 && index < int(m_inliers.size()) && m_inliers[index]; }
    int Count() const { return m_nCount; }

protected:
    int m_nCount;
    int m_nSampleSize;
    T* m_pData;
    std::vector<unsigned char> m_inliers;

private:
    RansacRandom m_random;
};
