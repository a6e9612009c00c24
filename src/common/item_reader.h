// Items of comma-separated formatted input, the way the classic "Input #" statement reads them:
// an item ends at a comma or at the end of a line; an item that begins with a double quote runs to
// the closing quote, may hold commas and comes back without the quotes; a blank line is one empty
// item. Blanks before an item are skipped, blanks after an unquoted item are dropped, and
// whatever follows a closing quote up to the next comma or line end is ignored.
#pragma once
#include <string>
#include <string_view>

namespace vb {

class ItemReader {
public:
    explicit ItemReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    // The next item; at the end, the empty text.
    std::string Next();

private:
    void SkipLineEnd();
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace vb
