#include "common/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "common/vb_error.h"
#include "common/vb_string.h"

namespace vb {
namespace {

// "CP932", not "SHIFT_JIS": the latter rejects the NEC and IBM extensions (①, ㈱) and maps 0x5C
// to the yen sign, which would break every path and escape in the game data.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false at an invalid or incomplete sequence, leaving
    // in/inLeft at the offending byte.
    bool Run(char*& in, std::size_t& inLeft, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buf[4096];
        while (inLeft > 0) {
            char* o = buf;
            std::size_t oLeft = sizeof buf;
            const std::size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
            out.append(buf, static_cast<std::size_t>(o - buf));
            if (r == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                return false;
            }
        }
        return true;
    }

private:
    iconv_t cd_;
};

Converter& Decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}
Converter& Encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string data(bytes);
    std::string out;
    out.reserve(data.size() * 3 / 2);
    char* in = data.data();
    std::size_t left = data.size();
    while (!Decoder().Run(in, left, out)) {
        // One bad byte becomes one replacement character; decoding goes on after it.
        out += "\xEF\xBF\xBD";
        ++in;
        --left;
    }
    return out;
}

bool TryUtf8ToCp932(std::string_view text, std::string& out) {
    std::string data(text);
    out.clear();
    char* in = data.data();
    std::size_t left = data.size();
    return Encoder().Run(in, left, out);
}

std::string Utf8ToCp932(std::string_view text) {
    std::string data(text);
    std::string out;
    char* in = data.data();
    std::size_t left = data.size();
    if (!Encoder().Run(in, left, out)) {
        std::string_view rest(in, left);
        std::size_t pos = 0;
        std::string ch;
        if (!rest.empty()) {
            Utf8Next(rest, pos);
            ch = std::string(rest.substr(0, pos));
        }
        Raise(kErrInvalidCall, "Shift-JIS で保存できない文字があります: 「" + ch + "」");
    }
    return out;
}

}  // namespace vb
