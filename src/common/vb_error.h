// Run-time errors as the original runtime raised them: a number and its standard Japanese description.
#pragma once
#include <stdexcept>
#include <string>

namespace vb {

// Error numbers the game meets.
enum ErrorNumber : int {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrSubscript = 9,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrBadFileName = 52,
    kErrFileNotFound = 53,
    kErrBadFileMode = 54,
    kErrFileAlreadyOpen = 55,
    kErrDeviceIO = 57,
    kErrFileExists = 58,
    kErrDiskFull = 61,
    kErrInputPastEnd = 62,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
    kErrObjectNotSet = 91,
    kErrInvalidProperty = 380,
    kErrInvalidPicture = 481,
    kErrControlExists = 727,
};

// The standard description of an error number ("アプリケーション定義またはオブジェクト定義のエラーです。"
// for numbers without one of their own).
std::string Error_Description(int number);

// A run-time error. what() is the description shown in message boxes.
class Error : public std::runtime_error {
public:
    explicit Error(int number);
    Error(int number, const std::string& description);
    int number() const noexcept { return number_; }

private:
    int number_;
};

[[noreturn]] void Raise(int number);
[[noreturn]] void Raise(int number, const std::string& description);

}  // namespace vb
