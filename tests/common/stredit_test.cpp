#include <gtest/gtest.h>

#include "common/C_modStrEdit.h"
#include "common/vb_error.h"

namespace {

TEST(GetField, FieldsNumberedFromOne) {
    const struct {
        const char* text;
        int n;
        const char* delim;
        const char* out;
    } cases[] = {
        {"A:B:C", 1, ":", "A"}, {"A:B:C", 3, ":", "C"}, {"A:B:C", 4, ":", ""},  {"A", 2, ":", "A"},
        {"A", 0, ":", ""},      {"A::C", 2, ":", ""},   {"A::C", 3, ":", "C"},  {"A:", 2, ":", ""},
        {"A:B", -1, ":", ""},   {"x<>y<>z", 2, "<>", "y"}, {"剣:盾:鎧", 2, ":", "盾"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrEdit_Get_Field(c.text, static_cast<vb::Integer>(c.n), c.delim), c.out) << c.text << " " << c.n;
    }
}

TEST(GetValue, FirstLineThatBeginsWithTheKey) {
    const std::vector<std::string> lines = {"  T01 = 1:2:3  ", "T02=a", "AB=first", "ABC=second", "X=T03=9", "NOEQ"};
    EXPECT_EQ(StrEdit_Get_Value("T01", lines, "="), "1:2:3");
    EXPECT_EQ(StrEdit_Get_Value("AB", lines, "="), "first");
    EXPECT_EQ(StrEdit_Get_Value("ABC", lines, "="), "second");
    EXPECT_EQ(StrEdit_Get_Value("T03", lines, "="), "");  // only after the delimiter of a line
    EXPECT_EQ(StrEdit_Get_Value("NOEQ", lines, "="), "");
    EXPECT_EQ(StrEdit_Get_Value("Z", lines, "="), "");
}

TEST(GetValue, AnEmptyListIsASubscriptError) {
    try {
        StrEdit_Get_Value("K", {}, "=");
        FAIL();
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), vb::kErrSubscript);
    }
}

}  // namespace
