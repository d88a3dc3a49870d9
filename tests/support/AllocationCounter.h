// Counts what operator new hands out on this thread, so that a test can assert the memory a routine takes.
// The counting operator new is linked only into the tests that list AllocationCounter.cpp.
#pragma once

#include <cstddef>

namespace quillon::testing {

class AllocationCounter final
{
public:
    AllocationCounter();
    // Bytes and blocks asked for since construction (what was freed again is not subtracted).
    std::size_t Bytes() const;
    std::size_t Blocks() const;

private:
    std::size_t m_startBytes;
    std::size_t m_startBlocks;
};

} // namespace quillon::testing
