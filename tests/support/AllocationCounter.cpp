// The counting operator new behind AllocationCounter. Every form without an alignment is replaced (a sanitizer's
// runtime provides each form, so a form left out would pair its allocation with another's release).
#include "support/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {
thread_local std::size_t t_bytes = 0;
thread_local std::size_t t_blocks = 0;

void* Allocate(std::size_t size) noexcept
{
    t_bytes += size;
    ++t_blocks;
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size)
{
    if (void* block = Allocate(size))
        return block;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size)
{
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size)
{
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void operator delete(void* block) noexcept
{
    std::free(block);
}
void operator delete[](void* block) noexcept
{
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept
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
