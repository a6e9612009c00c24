#include "story/modStaffRoll.h"

void Event_Staff_Roll(vb::Integer kind, vb::Single x, vb::Single y) {
    (void)kind;
    (void)x;
    (void)y;
}

void Event_Defeat(vb::Integer kind, vb::Single x, vb::Single y) {
    (void)kind;
    (void)x;
    (void)y;
}
