#include "common/C_modStrEdit.h"

#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "common/vb_string.h"

std::string StrEdit_Get_Field(const std::string& text, vb::Integer n, const std::string& delimiter) {
    try {
        if (n <= 0) return {};
        if (delimiter.empty() || text.find(delimiter) == std::string::npos) return text;
        std::string rest = text;
        for (int k = 1; k < n; ++k) {
            const std::size_t hit = rest.find(delimiter);
            if (hit == std::string::npos) return {};
            rest = rest.substr(hit + delimiter.size());
        }
        const std::size_t hit = rest.find(delimiter);
        return hit == std::string::npos ? rest : rest.substr(0, hit);
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        return {};
    }
}

std::string StrEdit_Get_Value(const std::string& key, const std::vector<std::string>& lines,
                              const std::string& delimiter) {
    // Walking an array that holds no elements fails as it did in the original: a subscript error.
    if (lines.empty()) vb::Raise(vb::kErrSubscript);
    for (const std::string& line : lines) {
        const std::string t = vb::Trim(line);
        if (t.compare(0, key.size(), key) != 0) continue;
        const std::size_t hit = t.find(delimiter);
        if (hit == std::string::npos) continue;
        return vb::Trim(t.substr(hit + delimiter.size()));
    }
    return {};
}
