#include "common/vb_error.h"

namespace vb {

std::string Error_Description(int number) {
    switch (number) {
        case kErrInvalidCall: return "プロシージャの呼び出し、または引数が不正です。";
        case kErrOverflow: return "オーバーフローしました。";
        case kErrOutOfMemory: return "メモリが不足しています。";
        case kErrSubscript: return "インデックスが有効範囲にありません。";
        case kErrDivisionByZero: return "0 で除算しました。";
        case kErrTypeMismatch: return "型が一致しません。";
        case kErrBadFileName: return "ファイル名または番号が不正です。";
        case kErrFileNotFound: return "ファイルが見つかりません。";
        case kErrBadFileMode: return "ファイル モードが不正です。";
        case kErrFileAlreadyOpen: return "ファイルは既に開かれています。";
        case kErrDeviceIO: return "デバイス I/O エラーです。";
        case kErrFileExists: return "既に同名のファイルが存在しています。";
        case kErrDiskFull: return "ディスクの空き容量が不足しています。";
        case kErrInputPastEnd: return "ファイルにこれ以上データがありません。";
        case kErrPermissionDenied: return "書き込みできません。";
        case kErrPathFileAccess: return "パス名が無効です。";
        case kErrPathNotFound: return "パスが見つかりません。";
        case kErrObjectNotSet: return "オブジェクト変数または With ブロック変数が設定されていません。";
        case kErrInvalidProperty: return "プロパティの値が不正です。";
        case kErrInvalidPicture: return "ピクチャが不正です。";
        case kErrControlExists: return "同じ名前のコントロールが既に存在します。";
        default: return "アプリケーション定義またはオブジェクト定義のエラーです。";
    }
}

Error::Error(int number) : std::runtime_error(Error_Description(number)), number_(number) {}
Error::Error(int number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

void Raise(int number) { throw Error(number); }
void Raise(int number, const std::string& description) { throw Error(number, description); }

}  // namespace vb
