#include "save/G_modDataFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "common/C_modFileIO.h"
#include "common/C_modSystem.h"
#include "common/cp932.h"
#include "common/ini_file.h"
#include "common/paths.h"
#include "common/vb_error.h"

typGameData gudtFileBuf;

namespace {

class Writer {
public:
    void Int(vb::Integer v) { Raw(static_cast<std::uint16_t>(v), 2); }
    void Lng(vb::Long v) { Raw(static_cast<std::uint32_t>(v), 4); }
    void Text(const std::string& utf8) {
        const std::string bytes = vb::Utf8ToCp932(utf8);
        if (bytes.size() > 0xFFFF) {
            vb::Raise(vb::kErrOverflow,
                      vb::Error_Description(vb::kErrOverflow) + "\n(65535 バイトを超える文字列は保存できません)");
        }
        Raw(static_cast<std::uint16_t>(bytes.size()), 2);
        out_ += bytes;
    }
    template <typename A>
    void Ints(const A& array) {
        for (vb::Integer v : array) Int(v);
    }
    std::string Take() { return std::move(out_); }

private:
    void Raw(std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out_ += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    std::string out_;
};

class Reader {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

public:
    explicit Reader(std::string_view bytes) : in_(bytes) {}
    vb::Integer Int() { return static_cast<vb::Integer>(static_cast<std::uint16_t>(Raw(2))); }
    vb::Long Lng() { return static_cast<vb::Long>(Raw(4)); }
    std::string Text() {
        const std::size_t n = Raw(2);
        Need(n);
        std::string_view bytes = in_.substr(pos_, n);
        pos_ += n;
        std::string text = vb::Cp932ToUtf8(bytes);
        // Bytes that are no Shift-JIS mark a damaged or foreign file. Taken in, they would come
        // back as U+FFFD, which no later save could write: the game could not be saved again.
        if (text.find(kReplacement) != std::string::npos) {
            vb::Raise(vb::kErrInvalidCall, "セーブデータの文字列が Shift-JIS ではありません（ファイルが壊れています）。");
        }
        return text;
    }
    template <typename A>
    void Ints(A& array) {
        for (vb::Integer& v : array) v = Int();
    }

private:
    void Need(std::size_t n) const {
        if (in_.size() - pos_ < n) vb::Raise(vb::kErrInputPastEnd);
    }
    std::uint32_t Raw(int bytes) {
        Need(static_cast<std::size_t>(bytes));
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(in_[pos_ + i])) << (8 * i);
        }
        pos_ += static_cast<std::size_t>(bytes);
        return v;
    }
    std::string_view in_;
    std::size_t pos_ = 0;
};

// The whole file, or false when there is none (a directory in the way is an error).
bool ReadFileBytes(const std::string& native, std::string& out) {
    struct stat st {};
    if (stat(native.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return false;
        vb::Raise(vb::kErrPathFileAccess);
    }
    if (S_ISDIR(st.st_mode)) {
        vb::Raise(vb::kErrPathFileAccess,
                  "「" + native + "」はフォルダです。" + vb::Error_Description(vb::kErrPathFileAccess));
    }
    std::ifstream in(native, std::ios::binary);
    if (!in) vb::Raise(vb::kErrPermissionDenied, "「" + native + "」を読み込めません。");
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) vb::Raise(vb::kErrDeviceIO);
    return true;
}

}  // namespace

void DataFile_Set_Buffer(const typGameData& In_udtData) { gudtFileBuf = In_udtData; }

typGameData DataFile_Get_Buffer() { return gudtFileBuf; }

std::string DataFile_Encode(const typGameData& In_udtData) {
    const typProgress& p = In_udtData.udtProgress;
    const typCharacter& c = In_udtData.udtC1;
    Writer w;
    w.Text(p.strPlaceName);
    w.Ints(p.intFlag);
    w.Int(p.intX);
    w.Int(p.intY);
    w.Int(p.intMapNo);
    w.Text(p.strMapName);
    w.Lng(p.lngSpeed);
    w.Int(p.intScNo);
    w.Text(p.strScStr);
    w.Text(c.strName);
    w.Text(c.strEName);
    w.Text(c.strSName);
    w.Lng(c.lngLv);
    w.Lng(c.lngExp);
    w.Lng(c.lngHp);
    w.Lng(c.lngMhp);
    w.Lng(c.lngAt);
    w.Lng(c.lngDf);
    w.Lng(c.lngPom);
    w.Ints(c.intWeNo);
    w.Ints(c.intWeTama);
    w.Ints(c.intBagWeNo);
    w.Ints(c.intBagWeTama);
    w.Ints(c.intAcNo);
    w.Ints(c.intBagAcNo);
    w.Ints(c.intItNo);
    return w.Take();
}

typGameData DataFile_Decode(std::string_view In_bytes) {
    typGameData d;
    typProgress& p = d.udtProgress;
    typCharacter& c = d.udtC1;
    Reader r(In_bytes);
    p.strPlaceName = r.Text();
    r.Ints(p.intFlag);
    p.intX = r.Int();
    p.intY = r.Int();
    p.intMapNo = r.Int();
    p.strMapName = r.Text();
    p.lngSpeed = r.Lng();
    p.intScNo = r.Int();
    p.strScStr = r.Text();
    c.strName = r.Text();
    c.strEName = r.Text();
    c.strSName = r.Text();
    c.lngLv = r.Lng();
    c.lngExp = r.Lng();
    c.lngHp = r.Lng();
    c.lngMhp = r.Lng();
    c.lngAt = r.Lng();
    c.lngDf = r.Lng();
    c.lngPom = r.Lng();
    r.Ints(c.intWeNo);
    r.Ints(c.intWeTama);
    r.Ints(c.intBagWeNo);
    r.Ints(c.intBagWeTama);
    r.Ints(c.intAcNo);
    r.Ints(c.intBagAcNo);
    r.Ints(c.intItNo);
    return d;
}

vb::Boolean DataFile_Save(const std::string& In_strPath) {
    try {
        if (FileIO_Clear_Attr(In_strPath) == vb::kFalse) return vb::kFalse;
        const std::string native = vb::Path_Resolve(In_strPath);
        // Encoded first: a text that cannot be written fails before anything on disk changes.
        std::string bytes = DataFile_Encode(gudtFileBuf);
        std::string old;
        // Writing in place over a longer file kept its tail; the replacement keeps it too.
        if (ReadFileBytes(native, old) && old.size() > bytes.size()) bytes.append(old, bytes.size());
        vb::File_WriteAtomic(native, bytes);
        FileIO_Notify_Write(native);
        return vb::kTrue;
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        return vb::kFalse;
    }
}

vb::Boolean DataFile_Load(const std::string& In_strPath) {
    try {
        if (In_strPath.empty()) return vb::kFalse;
        const std::string native = vb::Path_Resolve(In_strPath);
        std::string bytes;
        if (!ReadFileBytes(native, bytes)) return vb::kFalse;
        gudtFileBuf = typGameData();
        // Decoded aside and taken whole: a damaged file leaves no half-read record behind.
        gudtFileBuf = DataFile_Decode(bytes);
        return vb::kTrue;
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        return vb::kFalse;
    }
}
