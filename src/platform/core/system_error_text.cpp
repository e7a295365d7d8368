// SPDX-License-Identifier: MIT
#include "platform/core/system_error_text.h"

#include <cerrno>

namespace platform {

std::string SystemErrorText(int error) {
  switch (error) {
    case EACCES: return "アクセスが拒否されました";
    case EPERM: return "この操作は許可されていません";
    case ENOENT: return "ファイルまたはフォルダーが見つかりません";
    case ENOTDIR: return "パスの途中にフォルダーでないものがあります";
    case EISDIR: return "同じ名前のフォルダーがあります";
    case EEXIST: return "同じ名前のファイルがあります";
    case ENOSPC: return "ディスクの空き領域が足りません";
    case EDQUOT: return "ディスクの使用量が上限に達しました";
    case EFBIG: return "ファイルが大きすぎます";
    case EROFS: return "読み取り専用の場所です";
    case ENAMETOOLONG: return "ファイル名が長すぎます";
    case ELOOP: return "シンボリックリンクが多すぎるか、循環しています";
    case EIO: return "ディスクの読み書きに失敗しました";
    case EMFILE:
    case ENFILE: return "開いているファイルが多すぎます";
    case EBUSY:
    case ETXTBSY: return "ファイルが使用中です";
    case EINVAL: return "ファイル名またはその場所が正しくありません";
    case ENXIO:
    case ENODEV: return "デバイスがありません";
    case EBADF: return "ファイルが書き込み用に開かれていません";
    case ENOMEM: return "メモリが足りません";
    case EAGAIN: return "一時的に使用できません";
    case EXDEV: return "別のドライブへは移せません";
    default: return "エラー番号 " + std::to_string(error);
  }
}

}  // namespace platform
