#include <gtest/gtest.h>

#include <functional>

#include <cmath>

#include "common/vb_error.h"
#include "common/vb_string.h"
#include "common/vb_types.h"

namespace {

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return 0;
}

TEST(Val, ReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12", 12},        {"  12", 12},     {"-3", -3},       {"+4", 4},       {"2.5", 2.5},
        {".5", 0.5},       {"1e3", 1000},    {"1.5E-1", 0.15}, {"12abc", 12},   {"abc", 0},
        {"", 0},           {" 7 8", 7},      {"3:4", 3},       {"-", 0},        {"1e", 1},
        {"\t9", 9},        {"1d2", 100},     {"-0.5x", -0.5},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(vb::Val(c.text), c.value) << c.text;
}

TEST(Rounding, HalvesGoToEven) {
    const struct {
        double in;
        int out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3},
                 {32767.4, 32767}, {-32768.4, -32768}};
    for (const auto& c : cases) EXPECT_EQ(vb::CInt(c.in), c.out) << c.in;
    EXPECT_EQ(vb::CLng(2147483647.0), 2147483647);
    EXPECT_EQ(vb::CLng(-2.5), -2);
}

TEST(Rounding, OutsideTheWidthIsOverflow) {
    const double over16[] = {32767.5, 32768, -32768.6, 1e10, NAN};
    for (double v : over16) EXPECT_EQ(ErrorOf([v] { vb::CInt(v); }), vb::kErrOverflow) << v;
    EXPECT_EQ(ErrorOf([] { vb::CLng(2147483647.5); }), vb::kErrOverflow);
    EXPECT_EQ(ErrorOf([] { vb::CLng(-2147483649.0); }), vb::kErrOverflow);
    EXPECT_EQ(ErrorOf([] { vb::AddInt(32767, 1); }), vb::kErrOverflow);
    EXPECT_EQ(ErrorOf([] { vb::MulLng(65536, 65536); }), vb::kErrOverflow);
    EXPECT_EQ(vb::AddInt(32766, 1), 32767);
}

TEST(StrictConversion, RefusesTextsThatAreNotNumbers) {
    EXPECT_EQ(vb::CIntStrict(" 12 "), 12);
    EXPECT_EQ(vb::CIntStrict("2.5"), 2);
    EXPECT_EQ(vb::CIntStrict("-7"), -7);
    const char* bad[] = {"", "abc", "12abc", "1 2", " "};
    for (const char* t : bad) EXPECT_EQ(ErrorOf([t] { vb::CIntStrict(t); }), vb::kErrTypeMismatch) << t;
    EXPECT_EQ(ErrorOf([] { vb::CIntStrict("40000"); }), vb::kErrOverflow);
    EXPECT_TRUE(vb::IsNumeric("1e2"));
    EXPECT_FALSE(vb::IsNumeric("x"));
}

TEST(IntIsFloor, AlsoForNegatives) {
    EXPECT_EQ(vb::Int(2.7), 2);
    EXPECT_EQ(vb::Int(-2.1), -3);
    EXPECT_EQ(vb::Int(-2.0), -2);
}

TEST(Format, DigitPatterns) {
    const struct {
        double v;
        const char* pattern;
        const char* out;
    } cases[] = {
        {5, "###", "5"},   {0, "###", ""},     {1234, "###", "1234"}, {5, "00", "05"},   {123, "00", "123"},
        {0, "00", "00"},   {7, "#0", "7"},     {0, "#0", "0"},        {-5, "00", "-05"}, {2.5, "0", "3"},
        {12, "0円", "12円"}, {1e20, "0", "100000000000000000000"}, {-1e19, "###", "-10000000000000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(vb::Format(c.v, c.pattern), c.out) << c.v << " " << c.pattern;
}

TEST(CStr, WritesNumbersAsTheRuntime) {
    EXPECT_EQ(vb::CStr(12.0), "12");
    EXPECT_EQ(vb::CStr(-3), "-3");
    EXPECT_EQ(vb::CStr(2.5), "2.5");
    EXPECT_EQ(vb::CStr(0.1f * 1.0), "0.100000001490116");
}

TEST(Strings, CountCharactersNotBytes) {
    const std::string s = "あいうabc";
    EXPECT_EQ(vb::Len(s), 6);
    EXPECT_EQ(vb::Left(s, 2), "あい");
    EXPECT_EQ(vb::Right(s, 4), "うabc");
    EXPECT_EQ(vb::Mid(s, 3, 2), "うa");
    EXPECT_EQ(vb::Mid(s, 2), "いうabc");
    EXPECT_EQ(vb::Mid(s, 10), "");
    EXPECT_EQ(vb::InStr(s, "a"), 4);
    EXPECT_EQ(vb::InStr(5, s, "a"), 0);
    EXPECT_EQ(vb::InStr(s, "z"), 0);
    EXPECT_EQ(vb::Replace("a\\nb\\n", "\\n", "\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(vb::Trim("  a b  "), "a b");
    EXPECT_EQ(vb::UCase("stopped"), "STOPPED");
    EXPECT_EQ(ErrorOf([] { vb::Mid("abc", 0); }), vb::kErrInvalidCall);
}

TEST(Strings, MalformedUtf8CountsOneCharacterPerBadByte) {
    EXPECT_EQ(vb::Len("a\xFF" "b"), 3);
    EXPECT_EQ(vb::Len("\xE3\x81"), 2);  // a cut-off three-byte sequence
}

TEST(Errors, CarryTheirJapaneseDescription) {
    const struct {
        int number;
        const char* text;
    } cases[] = {
        {6, "オーバーフローしました。"},
        {13, "型が一致しません。"},
        {9, "インデックスが有効範囲にありません。"},
        {11, "0 で除算しました。"},
        {53, "ファイルが見つかりません。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::Error(c.number).what(), std::string(c.text));
        EXPECT_EQ(vb::Error(c.number).number(), c.number);
    }
}

}  // namespace
