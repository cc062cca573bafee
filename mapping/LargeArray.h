#pragma once
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include <sys/mman.h>

// A vector for the per-feature arrays of a layer. Arrays of 4 MiB and more
// are placed on 2 MiB boundaries and offered huge pages, so filling millions
// of values takes a few hundred page faults instead of tens of thousands.
template <typename T> struct LargeArrayAllocator {
    using value_type = T;
    static constexpr std::size_t HugePage = std::size_t(2) << 20;
    static constexpr std::size_t Threshold = std::size_t(4) << 20;

    LargeArrayAllocator() = default;
    template <typename U> LargeArrayAllocator(const LargeArrayAllocator<U> &) noexcept {}

    T *allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < Threshold)
            return std::allocator<T>().allocate(n);
        const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
        void *p = std::aligned_alloc(HugePage, rounded);
        if (!p)
            throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
        madvise(p, rounded, MADV_HUGEPAGE);
#endif
        return static_cast<T *>(p);
    }

    void deallocate(T *p, std::size_t n) noexcept
    {
        if (n * sizeof(T) < Threshold)
            std::allocator<T>().deallocate(p, n);
        else
            std::free(p);
    }

    template <typename U> bool operator==(const LargeArrayAllocator<U> &) const noexcept { return true; }
};

template <typename T> using LargeArray = std::vector<T, LargeArrayAllocator<T>>;
