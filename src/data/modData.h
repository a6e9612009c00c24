// The game record: everything a saved game keeps. One character ("C1") and the progress of the
// story and the field. Every subsystem reads and changes gudtGame directly; loading a game
// replaces it whole. The record is a value: assigning it copies every text and array.
#pragma once
#include <string>

#include "common/vb_types.h"
#include "data/vb_array.h"

struct typProgress {
    std::string strPlaceName;                 // place name shown in the save-slot summary
    vb::VbArray<vb::Integer, 0, 1000> intFlag;  // event flags: 0 clear, -1 set
    vb::Integer intX = 0;                     // cell column (1..20)
    vb::Integer intY = 0;                     // cell row (1..20)
    vb::Integer intMapNo = 0;                 // screen number of the current map
    std::string strMapName;                   // current map name
    vb::Long lngSpeed = 0;                    // field-loop ticks per step phase
    vb::Integer intScNo = 0;                  // current request number
    std::string strScStr;                     // title of the current request

    bool operator==(const typProgress&) const = default;
};

struct typCharacter {
    std::string strName;
    std::string strEName;
    std::string strSName;  // the name in battle and level-up messages
    vb::Long lngLv = 0;
    vb::Long lngExp = 0;
    vb::Long lngHp = 0;
    vb::Long lngMhp = 0;
    vb::Long lngAt = 0;
    vb::Long lngDf = 0;
    vb::Long lngPom = 0;  // money ("POM")
    vb::VbArray<vb::Integer, 1, 4> intWeNo;       // battle weapon slots
    vb::VbArray<vb::Integer, 1, 4> intWeTama;     // ammunition of the battle slots
    vb::VbArray<vb::Integer, 1, 7> intBagWeNo;    // carried weapons
    vb::VbArray<vb::Integer, 1, 7> intBagWeTama;  // ammunition of the carried weapons
    vb::VbArray<vb::Integer, 1, 2> intAcNo;       // worn accessories
    vb::VbArray<vb::Integer, 1, 7> intBagAcNo;    // carried accessories
    vb::VbArray<vb::Integer, 1, 7> intItNo;       // carried items

    bool operator==(const typCharacter&) const = default;
};

struct typGameData {
    typProgress udtProgress;
    typCharacter udtC1;

    bool operator==(const typGameData&) const = default;
};

extern typGameData gudtGame;

// Brings the character back into its limits (hit points, money, attack, defence, experience,
// level) and empties battle slots that have run out of ammunition.
void Data_Check_Limits();
