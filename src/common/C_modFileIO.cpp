#include "common/C_modFileIO.h"

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "common/C_modSystem.h"
#include "common/cp932.h"
#include "common/ini_file.h"
#include "common/item_reader.h"
#include "common/paths.h"
#include "common/vb_error.h"
#include "common/vb_string.h"

namespace {

std::function<void(const std::string&)> gWriteObserver;

// The decoded text of a file; false when it cannot be opened.
bool ReadDecoded(const std::string& native, std::string& out) {
    std::ifstream in(native, std::ios::binary);
    if (!in) return false;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) vb::Raise(vb::kErrDeviceIO);
    out = vb::Cp932ToUtf8(bytes);
    return true;
}

}  // namespace

vb::Boolean FileIO_Read_Text(const std::string& path, std::string& target) {
    try {
        if (path.empty()) return vb::kFalse;
        const std::string native = vb::Path_Resolve(path);
        if (!vb::Path_NativeFileExists(native)) return vb::kFalse;
        std::string text;
        if (!ReadDecoded(native, text)) vb::Raise(vb::kErrFileNotFound);
        vb::ItemReader reader(text);
        while (!reader.AtEnd()) {
            target += reader.Next();
            target += vb::kCrLf;
        }
        return vb::kTrue;
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        return vb::kFalse;
    }
}

LineList FileIO_Read_Lines(const std::string& path) {
    try {
        if (path.empty()) return {};
        const std::string native = vb::Path_Resolve(path);
        if (!vb::Path_NativeFileExists(native)) return {};
        std::string text;
        if (!ReadDecoded(native, text)) vb::Raise(vb::kErrFileNotFound);
        LineList result;
        vb::Integer i = 0;
        vb::ItemReader reader(text);
        while (!reader.AtEnd()) {
            result.resize(static_cast<std::size_t>(i) + 1);
            result[static_cast<std::size_t>(i)] = reader.Next();
            const std::string& item = result[static_cast<std::size_t>(i)];
            if (item.empty() || item[0] != '#') i = vb::AddInt(i, 1);
        }
        return result;
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        return {};
    }
}

std::string FileIO_Read_Ini(const std::string& file, const std::string& section, const std::string& key,
                            vb::Boolean trim) {
    try {
        std::string value = vb::Ini_Read(file, section, key);
        const std::size_t nul = value.find('\0');
        if (nul != std::string::npos) value.resize(nul);
        if (trim != vb::kFalse) value = vb::Trim(value);
        return value;
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        return {};
    }
}

void FileIO_Write_Ini(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) {
    try {
        FileIO_Clear_Attr(file);
        vb::Ini_Write(file, section, key, value);
        FileIO_Notify_Write(vb::Path_Resolve(file));
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
    }
}

vb::Boolean FileIO_Clear_Attr(const std::string& path) {
    try {
        const std::string native = vb::Path_Resolve(path);
        struct stat st {};
        if (stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return vb::kTrue;
        if ((st.st_mode & S_IWUSR) == 0 && chmod(native.c_str(), st.st_mode | S_IWUSR) != 0) {
            vb::Raise(vb::kErrPermissionDenied);
        }
        return vb::kTrue;
    } catch (const vb::Error& e) {
        // The original ended the program here; a game in progress would be lost with it, so the
        // message is shown and the caller's write then fails with its own message instead.
        Sys_Show_Error(e);
        return vb::kFalse;
    }
}

void FileIO_Make_Dir(const std::string& path) {
    if (vb::Path_Exists(path)) return;
    const std::string native = vb::Path_Resolve(path);
    if (mkdir(native.c_str(), 0755) != 0) {
        vb::Raise(errno == ENOENT ? vb::kErrPathNotFound : vb::kErrPathFileAccess);
    }
    vb::Path_ClearCache();
}

void FileIO_Set_WriteObserver(std::function<void(const std::string&)> observer) {
    gWriteObserver = std::move(observer);
}

void FileIO_Notify_Write(const std::string& nativePath) {
    if (gWriteObserver) gWriteObserver(nativePath);
}
