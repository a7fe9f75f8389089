#include "platform/RandomSource.h"

#include <mutex>
#include <random>

namespace {

// xoshiro256** (Blackman and Vigna): small state, fast, good statistics.
class Xoshiro256
{
public:
    void seed(std::uint64_t value)
    {
        // splitmix64 spreads one 64-bit seed over the whole state, never all zero.
        for (auto& word : m_state) {
            value += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = value;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t m_state[4] = {};
};

struct Source
{
    std::mutex mutex;
    Xoshiro256 engine;
    bool seeded = false;
};

Source& source()
{
    static Source s;
    return s;
}

std::uint64_t systemSeed()
{
    std::random_device device;
    return (std::uint64_t(device()) << 32) ^ device();
}

// Caller holds the lock.
std::uint32_t nextLocked(Source& s)
{
    if (!s.seeded) {
        s.engine.seed(systemSeed());
        s.seeded = true;
    }
    return std::uint32_t(s.engine.next() >> 32);
}

} // namespace

namespace RandomSource {

std::uint32_t next()
{
    Source& s = source();
    std::lock_guard<std::mutex> lock(s.mutex);
    return nextLocked(s);
}

std::uint32_t uniform(std::uint32_t upperBound)
{
    if (upperBound < 2)
        return 0;
    // Reject the low values that would make some results more likely:
    // 2^32 mod upperBound of them.
    const std::uint32_t threshold = std::uint32_t(-upperBound) % upperBound;
    Source& s = source();
    std::lock_guard<std::mutex> lock(s.mutex);
    for (;;) {
        const std::uint32_t r = nextLocked(s);
        if (r >= threshold)
            return r % upperBound;
    }
}

void seed(std::uint64_t value)
{
    Source& s = source();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.engine.seed(value);
    s.seeded = true;
}

void reseedFromSystem()
{
    Source& s = source();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.engine.seed(systemSeed());
    s.seeded = true;
}

} // namespace RandomSource
