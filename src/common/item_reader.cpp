#include "common/item_reader.h"

namespace vb {
namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
}  // namespace

void ItemReader::SkipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

std::string ItemReader::Next() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return {};
    std::string item;
    if (text_[pos_] == '"') {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && !IsLineEnd(text_[pos_])) item += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    } else {
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) item += text_[pos_++];
        while (!item.empty() && IsBlank(item.back())) item.pop_back();
    }
    if (pos_ < text_.size()) {
        if (text_[pos_] == ',') {
            ++pos_;
        } else {
            SkipLineEnd();
        }
    }
    return item;
}

}  // namespace vb
