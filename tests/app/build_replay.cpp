// The program's own sources are built into the zove executable only; the tests compile this one
// into the test program beside them.
#include "app/replay.cpp"
