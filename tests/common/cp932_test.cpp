#include <gtest/gtest.h>

#include "common/cp932.h"
#include "common/vb_error.h"

namespace {

TEST(Cp932, RoundTripsJapaneseText) {
    const std::string texts[] = {"ぞーぶのにわ", "①②③", "波ダッシュ～", "ｶﾀｶﾅ", "表示", "C:\\game\\eve\\", "㈱髙"};
    for (const std::string& t : texts) {
        const std::string bytes = vb::Utf8ToCp932(t);
        EXPECT_EQ(vb::Cp932ToUtf8(bytes), t) << t;
    }
}

TEST(Cp932, KnownBytes) {
    // ① is an NEC extension (0x8740), ～ is 0x8160, 表 has 0x5C as its second byte, and the
    // backslash stays a backslash (not a yen sign).
    EXPECT_EQ(vb::Utf8ToCp932("①"), "\x87\x40");
    EXPECT_EQ(vb::Utf8ToCp932("～"), "\x81\x60");
    EXPECT_EQ(vb::Utf8ToCp932("表"), "\x95\x5C");
    EXPECT_EQ(vb::Cp932ToUtf8("\\"), "\\");
    EXPECT_EQ(vb::Cp932ToUtf8("\x82\xA0"), "あ");
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(vb::Cp932ToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    // A lead byte at the very end has no second byte.
    EXPECT_EQ(vb::Cp932ToUtf8("a\x82"), "a\xEF\xBF\xBD");
    EXPECT_EQ(vb::Cp932ToUtf8(std::string("\x82\xA0\x00x", 4)), std::string("あ\0x", 5));
}

TEST(Cp932, CharactersItCannotHoldAreAnError) {
    for (const char* t : {"emoji 😀", "한국어", "\xFF"}) {
        std::string out;
        EXPECT_FALSE(vb::TryUtf8ToCp932(t, out)) << t;
        EXPECT_THROW(vb::Utf8ToCp932(t), vb::Error) << t;
    }
    try {
        vb::Utf8ToCp932("ab한");
    } catch (const vb::Error& e) {
        EXPECT_NE(std::string(e.what()).find("한"), std::string::npos);
    }
}

}  // namespace
