#include "platform/emulated/error_text.h"

#include <cerrno>

namespace lumivane::platform::emulated {

std::string reasonText(const std::error_code& error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        switch (error.value()) {
        case EACCES:
        case EPERM:
            return "アクセスが拒否されました";
        case EROFS:
            return "読み取り専用の場所です";
        case ENOENT:
            return "ファイルまたはフォルダが見つかりません";
        case ENOTDIR:
            return "パスの途中がフォルダではありません";
        case EISDIR:
            return "同じ名前のフォルダがあります";
        case EEXIST:
            return "同じ名前のものが既にあります";
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空き容量が足りません";
        case EBUSY:
        case ETXTBSY:
            return "ファイルが使用中です";
        case ENAMETOOLONG:
            return "パスが長すぎます";
        case EIO:
            return "読み書き中にエラーが発生しました";
        default:
            break;
        }
    }
    std::string text = "エラーが発生しました（";
    text += error.message();
    text += "）";
    return text;
}

} // namespace lumivane::platform::emulated
