#include <gtest/gtest.h>

#include <algorithm>

#include "data/modData_json.h"

namespace {

TEST(GameDataJson, NamesEveryFieldAndEscapesTexts) {
    typGameData g;
    g.udtProgress.strPlaceName = "港町 \"北\"\\\n";
    g.udtProgress.intFlag(0) = -1;
    g.udtProgress.intFlag(1000) = 7;
    g.udtProgress.intMapNo = 12;
    g.udtC1.lngPom = 999999;
    g.udtC1.intWeNo(1) = 3;
    g.udtC1.intItNo(7) = 5;
    g.udtC1.strSName = std::string("a\x01", 2);
    const std::string j = GameData_ToJson(g);
    EXPECT_EQ(j.rfind("{\"udtProgress\":{\"strPlaceName\":\"港町 \\\"北\\\"\\\\\\n\",\"intFlag\":[-1,0,", 0), 0u);
    EXPECT_NE(j.find(",0,7],\"intX\":0,\"intY\":0,\"intMapNo\":12,\"strMapName\":\"\",\"lngSpeed\":0,"), std::string::npos);
    EXPECT_NE(j.find("\"udtC1\":{\"strName\":\"\",\"strEName\":\"\",\"strSName\":\"a\\u0001\",\"lngLv\":0"), std::string::npos);
    EXPECT_NE(j.find("\"lngPom\":999999,\"intWeNo\":[3,0,0,0],\"intWeTama\":[0,0,0,0]"), std::string::npos);
    EXPECT_NE(j.find("\"intAcNo\":[0,0],\"intBagAcNo\":[0,0,0,0,0,0,0],\"intItNo\":[0,0,0,0,0,0,5]}}"), std::string::npos);
    EXPECT_EQ(j.back(), '}');
    // 1001 flags: 1000 commas inside the flag array.
    const std::size_t open = j.find("\"intFlag\":[") + 11;
    const std::size_t close = j.find(']', open);
    EXPECT_EQ(std::count(j.begin() + static_cast<long>(open), j.begin() + static_cast<long>(close), ','), 1000);
}

}  // namespace
