#include "story/modRequest.h"

void Event_Request(vb::Integer kind, vb::Single x, vb::Single y) {
    (void)kind;
    (void)x;
    (void)y;
}
