#pragma once

// Marks a hot pixel loop to be compiled twice, for AVX2 and for the x86-64
// baseline; the loader picks the one the processor runs. The two give the
// same bytes: only integer arithmetic is vectorised. Elsewhere, and under
// ThreadSanitizer (whose runtime is not up yet when the loader makes the
// choice), it marks nothing. Clang (the fuzzing build) names the clones
// apart from the plain declarations its callers see, so it gets none either.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VELLUMAR_THREAD_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define VELLUMAR_THREAD_SANITIZER 1
#endif

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(VELLUMAR_THREAD_SANITIZER)
#define VELLUMAR_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define VELLUMAR_VECTOR_CLONES
#endif
