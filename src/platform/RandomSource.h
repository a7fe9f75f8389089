#pragma once

#include <cstdint>

// The one source of random numbers for the program's own choices (montage
// tile choice, jitter, noise). It stands where the platform's arc4random
// would: seeded from the system at first use, but a test may seed it to make
// a run repeatable. Thread-safe; every call takes a short lock.
namespace RandomSource {

// A uniformly distributed 32-bit value.
std::uint32_t next();

// A uniformly distributed value in [0, upperBound), without modulo bias.
// Returns 0 for an upper bound of 0 or 1.
std::uint32_t uniform(std::uint32_t upperBound);

// Makes the following sequence a function of `seed` alone.
void seed(std::uint64_t seed);

// Returns to an unpredictable sequence seeded from the system.
void reseedFromSystem();

} // namespace RandomSource
