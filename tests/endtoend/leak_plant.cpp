// Preloaded into the program by the leak test (leak_check.py): on loading it
// drops one block of its own, allocated in a function with a name that the
// test looks for in LeakSanitizer's report.
#include <cstddef>
#include <cstdlib>
#include <cstring>

extern "C" __attribute__((noinline)) void quilletPlantedLeak() {
    // volatile: the compiler may neither drop the allocation nor keep the
    // pointer anywhere but here; it is forgotten when the function returns.
    void* volatile block = std::malloc(4242);
    std::memset(block, 0x5a, 4242);
}

namespace {

// Overwrites the stack below the caller, so that no stale copy of the
// pointer lingers there for the leak check to find.
__attribute__((noinline)) void scrubStack() {
    volatile char area[16384];
    for (std::size_t i = 0; i < sizeof area; ++i) area[i] = 0;
}

__attribute__((constructor)) void plant() {
    quilletPlantedLeak();
    scrubStack();
}

}  // namespace
