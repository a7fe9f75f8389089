#pragma once

#include <functional>

// Worker threads for the library's pure computation (no host callbacks, no
// shared writes): each index of a loop writes only its own result slot, and
// the caller combines the slots afterwards in index order, so a result is
// the same byte for byte whatever the number of threads.
//
// The count is the machine's cores, or VELLUMAR_STITCH_THREADS when set to a
// positive number (1: everything on the calling thread); SetLimit overrides
// both (0 goes back to them).
namespace StitchThreads {

int Count();
void SetLimit(int threads);

// Runs body(i) for every i in [0, count), on the calling thread and at most
// Count() - 1 helpers, each taking the next index not yet taken; returns
// once all are done. No helper starts when count < 2 * minPerThread. A
// helper that cannot be started leaves its share to the others. body must
// not throw.
void For(int count, const std::function<void(int)>& body, int minPerThread = 1);

} // namespace StitchThreads
