// Field enemies: each standing enemy draws a random number and, by its movement pattern, may try a
// step; an enemy on the player's cell leaves the map and its group goes to the battle.
#include "common/random.h"
#include "field/modMap.h"

namespace {

// d: a whole number 0..idle, each equally likely.
vb::Integer Draw(vb::Integer idle) {
    const double r = static_cast<double>(vb::Rnd());
    return vb::CInt(vb::Int(r * (static_cast<double>(idle) + 1.0)));
}

// Try a, and b only when a did not start a step.
void TryEither(vb::Integer slot, vb::Integer a, vb::Integer b) {
    if (Map_Try_Step(slot, a) == vb::kFalse) Map_Try_Step(slot, b);
}

void Chase(vb::Integer slot, vb::Integer d, const typMapChar& e, const typMapChar& p) {
    if (d == 1) Map_Try_Step(slot, e.intY < p.intY ? 2 : 1);
    if (d == 2) Map_Try_Step(slot, e.intX < p.intX ? 4 : 3);
}

void Flee(vb::Integer slot, vb::Integer d, const typMapChar& e, const typMapChar& p) {
    if (d == 1) Map_Try_Step(slot, e.intY < p.intY ? 1 : 2);
    if (d == 2) Map_Try_Step(slot, e.intX < p.intX ? 3 : 4);
}

void Act(vb::Integer slot) {
    typMapChar& e = mtypChar(slot);
    const typMapChar& p = mtypChar(0);
    if (e.intPattern < 1 || e.intPattern > 11) return;  // never moves, and no draw is made
    const vb::Integer d = Draw(e.intIdle);
    switch (e.intPattern) {
        case 1:
            if (d >= 1 && d <= 4) Map_Try_Step(slot, d);
            break;
        case 2: Chase(slot, d, e, p); break;
        case 3: Flee(slot, d, e, p); break;
        case 4:
            Chase(slot, d, e, p);
            if (d >= 3 && d <= 6) Map_Try_Step(slot, static_cast<vb::Integer>(d - 2));
            break;
        case 5:
            Flee(slot, d, e, p);
            if (d >= 3 && d <= 6) Map_Try_Step(slot, static_cast<vb::Integer>(d - 2));
            break;
        default: {
            if (d != 1) break;
            const vb::Integer f = e.intDir;
            switch (e.intPattern) {
                case 6: f == 3 ? TryEither(slot, 3, 4) : TryEither(slot, 4, 3); break;
                case 7: f == 1 ? TryEither(slot, 1, 2) : TryEither(slot, 2, 1); break;
                case 8:  // clockwise
                    if (f == 1) TryEither(slot, 1, 4);
                    else if (f == 4) TryEither(slot, 4, 2);
                    else if (f == 2) TryEither(slot, 2, 3);
                    else TryEither(slot, 3, 1);
                    break;
                case 9:  // counter-clockwise
                    if (f == 1) TryEither(slot, 1, 3);
                    else if (f == 3) TryEither(slot, 3, 2);
                    else if (f == 2) TryEither(slot, 2, 4);
                    else TryEither(slot, 4, 1);
                    break;
                case 10:  // left turns first
                    if (f == 1) TryEither(slot, 3, 1);
                    else if (f == 3) TryEither(slot, 2, 3);
                    else if (f == 2) TryEither(slot, 4, 2);
                    else TryEither(slot, 1, 4);
                    break;
                case 11:  // right turns first
                    if (f == 1) TryEither(slot, 4, 1);
                    else if (f == 3) TryEither(slot, 1, 3);
                    else if (f == 2) TryEither(slot, 3, 2);
                    else TryEither(slot, 2, 4);
                    break;
                default: break;
            }
            break;
        }
    }
}

}  // namespace

void Map_Move_Enemies() {
    for (int slot = 1; slot <= kMapCells; ++slot) {
        const typMapChar& e = mtypChar(slot);
        if (e.blnActive != vb::kFalse && e.intPhase == 0) Act(static_cast<vb::Integer>(slot));
    }
}

vb::Integer Map_Check_Contact(vb::Integer In_intX, vb::Integer In_intY) {
    for (int slot = 1; slot <= kMapCells; ++slot) {
        typMapChar& e = mtypChar(slot);
        if (e.blnActive == vb::kFalse || e.intX != In_intX || e.intY != In_intY) continue;
        Map_Play_Cue(2);
        e.blnActive = vb::kFalse;
        return static_cast<vb::Integer>(slot);
    }
    return 0;
}
