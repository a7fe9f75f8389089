#pragma once

// Nothrow array allocations can be made to fail one at a time: the n-th
// after arming returns null. Only the library's own nothrow allocations
// (outline tables, memos, seam buffers) go through here. Include this in
// one file of a test program: it replaces the global operator.

#include <atomic>
#include <cstddef>
#include <new>

namespace {
std::atomic<int> g_nothrowArmed{-1};
std::atomic<int> g_nothrowCalls{0};
} // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    if (g_nothrowArmed.load() >= 0 && g_nothrowCalls.fetch_add(1) == g_nothrowArmed.load())
        return nullptr;
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}
