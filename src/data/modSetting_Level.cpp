// The level table: experience thresholds and the gains of each level.
#include "common/vb_error.h"
#include "data/modData.h"
#include "data/modSetting.h"

namespace {

constexpr typLevelRow kLevelTable[] = {
    {5, 3, 2, 1},          {15, 5, 2, 2},         {30, 10, 4, 3},        {50, 15, 6, 2},
    {90, 20, 4, 4},        {150, 30, 3, 3},       {300, 40, 3, 4},       {540, 50, 5, 5},
    {890, 70, 5, 2},       {1100, 100, 4, 4},     {1420, 120, 3, 3},     {1920, 140, 9, 5},
    {2300, 165, 4, 4},     {2600, 170, 6, 2},     {2900, 200, 8, 4},     {3520, 221, 7, 4},
    {4120, 250, 5, 5},     {5120, 280, 2, 10},    {7650, 300, 9, 2},     {8320, 300, 11, 1},
    {10920, 150, 3, 10},   {16820, 200, 15, 3},   {25820, 300, 2, 5},    {33020, 400, 8, 2},
    {41020, 500, 15, 12},  {61020, 800, 30, 16},  {80920, 1000, 50, 29}, {100000, 1600, 100, 43},
    {150000, 2000, 200, 60},
};
constexpr int kRows = static_cast<int>(sizeof(kLevelTable) / sizeof(kLevelTable[0]));
static_assert(kRows == 29);

}  // namespace

const typLevelRow& Setting_Level_Row(int In_intRow) {
    if (In_intRow < 1 || In_intRow > kRows) vb::Raise(vb::kErrSubscript);
    return kLevelTable[In_intRow - 1];
}

std::string Setting_Level_Up() {
    typCharacter& c = gudtGame.udtC1;
    for (int L = 1; L <= kRows; ++L) {
        const typLevelRow& row = kLevelTable[L - 1];
        if (c.lngExp < row.lngExp || c.lngLv > L) continue;
        c.lngMhp = vb::AddLng(c.lngMhp, row.lngMhp);
        c.lngAt = vb::AddLng(c.lngAt, row.lngAt);
        c.lngDf = vb::AddLng(c.lngDf, row.lngDf);
        c.lngLv = vb::AddLng(c.lngLv, 1);
        return c.strSName + "はLVがあがった\\n体力が" + vb::CStr(row.lngMhp) + "あがった\\n攻撃力が" +
               vb::CStr(row.lngAt) + "あがった\\n防御力が" + vb::CStr(row.lngDf) + "あがった";
    }
    return {};
}
