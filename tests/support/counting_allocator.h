#pragma once
// Linking this replaces the program's global operator new and delete with
// ones that count allocations, so a test can prove that code allocates nothing.

namespace tarvel::testing {

// Allocations made through operator new since the program started.
long heapAllocations();

// How many allocations `action` made.
long allocationsDuring(const auto& action) {
    const long before = heapAllocations();
    action();
    return heapAllocations() - before;
}

}  // namespace tarvel::testing
