// The counting operator new behind AllocationCounter. The array, sized and non-throwing forms of the
// standard library call these two, so replacing them counts every allocation of the test.
#include "support/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {
thread_local std::size_t t_bytes = 0;
thread_local std::size_t t_blocks = 0;
} // namespace

void* operator new(std::size_t size)
{
    t_bytes += size;
    ++t_blocks;
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

namespace quillon::testing {

AllocationCounter::AllocationCounter() : m_startBytes(t_bytes), m_startBlocks(t_blocks) {}

std::size_t AllocationCounter::Bytes() const
{
    return t_bytes - m_startBytes;
}

std::size_t AllocationCounter::Blocks() const
{
    return t_blocks - m_startBlocks;
}

} // namespace quillon::testing
