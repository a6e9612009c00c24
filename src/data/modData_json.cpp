#include "data/modData_json.h"

#include <cstdio>

namespace {

class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    void Text(const char* name, const std::string& v) {
        Key(name);
        Quote(v);
    }
    void Number(const char* name, long long v) {
        Key(name);
        out_ += std::to_string(v);
    }
    template <typename A>
    void Array(const char* name, const A& array) {
        Key(name);
        out_ += '[';
        bool first = true;
        for (const auto& v : array) {
            if (!first) out_ += ',';
            first = false;
            out_ += std::to_string(static_cast<long long>(v));
        }
        out_ += ']';
    }
    void Key(const char* name) {
        if (!first_) out_ += ',';
        first_ = false;
        Quote(name);
        out_ += ':';
    }

private:
    void Quote(const std::string& s) {
        out_ += '"';
        for (const char ch : s) {
            const auto u = static_cast<unsigned char>(ch);
            switch (ch) {
                case '"': out_ += "\\\""; break;
                case '\\': out_ += "\\\\"; break;
                case '\n': out_ += "\\n"; break;
                case '\r': out_ += "\\r"; break;
                case '\t': out_ += "\\t"; break;
                default:
                    if (u < 0x20 || u == 0x7F) {
                        char buf[8];
                        std::snprintf(buf, sizeof buf, "\\u%04x", u);
                        out_ += buf;
                    } else {
                        out_ += ch;  // UTF-8 passes through
                    }
            }
        }
        out_ += '"';
    }
    std::string& out_;
    bool first_ = true;
};

}  // namespace

std::string GameData_ToJson(const typGameData& In_udtData) {
    std::string out;
    const typProgress& p = In_udtData.udtProgress;
    const typCharacter& c = In_udtData.udtC1;
    {
        JsonObject root(out);
        root.Key("udtProgress");
        {
            JsonObject o(out);
            o.Text("strPlaceName", p.strPlaceName);
            o.Array("intFlag", p.intFlag);
            o.Number("intX", p.intX);
            o.Number("intY", p.intY);
            o.Number("intMapNo", p.intMapNo);
            o.Text("strMapName", p.strMapName);
            o.Number("lngSpeed", p.lngSpeed);
            o.Number("intScNo", p.intScNo);
            o.Text("strScStr", p.strScStr);
        }
        root.Key("udtC1");
        {
            JsonObject o(out);
            o.Text("strName", c.strName);
            o.Text("strEName", c.strEName);
            o.Text("strSName", c.strSName);
            o.Number("lngLv", c.lngLv);
            o.Number("lngExp", c.lngExp);
            o.Number("lngHp", c.lngHp);
            o.Number("lngMhp", c.lngMhp);
            o.Number("lngAt", c.lngAt);
            o.Number("lngDf", c.lngDf);
            o.Number("lngPom", c.lngPom);
            o.Array("intWeNo", c.intWeNo);
            o.Array("intWeTama", c.intWeTama);
            o.Array("intBagWeNo", c.intBagWeNo);
            o.Array("intBagWeTama", c.intBagWeTama);
            o.Array("intAcNo", c.intAcNo);
            o.Array("intBagAcNo", c.intBagAcNo);
            o.Array("intItNo", c.intItNo);
        }
    }
    return out;
}
