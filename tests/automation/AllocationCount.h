#pragma once

namespace trellis::test {

// Blocks taken from the C++ heap and not given back yet, counted by this test program's own
// operator new and delete (whoever calls them, the Qt libraries included).
long long LiveAllocations();

}  // namespace trellis::test
