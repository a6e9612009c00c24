#include "data/modData.h"

typGameData gudtGame;

void Data_Check_Limits() {
    typCharacter& c = gudtGame.udtC1;
    if (c.lngMhp < 1) c.lngMhp = 1;
    if (c.lngMhp > 99999) c.lngMhp = 99999;
    // After the maximum, so that the hit points follow a maximum that was just corrected.
    if (c.lngHp < 0) c.lngHp = 0;
    if (c.lngHp > c.lngMhp) c.lngHp = c.lngMhp;
    if (c.lngPom < 1) c.lngPom = 1;
    if (c.lngPom > 999999) c.lngPom = 999999;
    if (c.lngAt < 1) c.lngAt = 1;
    if (c.lngAt > 9999) c.lngAt = 9999;
    if (c.lngDf < 1) c.lngDf = 1;
    if (c.lngDf > 9999) c.lngDf = 9999;
    if (c.lngExp > 150000) c.lngExp = 150000;
    if (c.lngLv < 1) c.lngLv = 1;
    if (c.lngLv > 99) c.lngLv = 99;
    // Only the battle slots: a carried weapon keeps its count whatever it is.
    for (int i = 1; i <= 4; ++i) {
        if (c.intWeTama(i) <= 0) c.intWeNo(i) = 0;
        if (c.intWeNo(i) == 0) c.intWeTama(i) = 0;
    }
}
