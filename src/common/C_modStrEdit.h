// Taking apart delimited parameter texts ("A:B:C") and key lines ("KEY=fields").
#pragma once
#include <string>
#include <vector>

#include "common/vb_types.h"

// The n-th field (from 1) of text split at delimiter. n <= 0: empty. No delimiter in the text: the
// whole text whatever n is. Fewer than n fields: empty.
std::string StrEdit_Get_Field(const std::string& text, vb::Integer n, const std::string& delimiter);

// The value after the first delimiter of the first line (blanks around it removed) that begins
// with key and holds the delimiter; empty when none matches. An empty list is the
// subscript-out-of-range error, raised to the caller.
std::string StrEdit_Get_Value(const std::string& key, const std::vector<std::string>& lines,
                              const std::string& delimiter);
