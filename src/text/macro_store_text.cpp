// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/macro_store_text.h"

#include "text/ui_text.h"

namespace vorlak {
namespace {

// "%1" stands for the store's file, "%2" for the reason.
constexpr Text4 kFailed = {
    "The macros could not be saved in %1: %2.",
    "Die Makros konnten nicht in %1 gespeichert werden: %2.",
    "无法将宏保存到 %1：%2。",
    "無法將巨集儲存到 %1：%2。",
};
constexpr Text4 kKept = {
    "Your edits stay in the Macro Manager and are saved with the next edit.",
    "Ihre Änderungen bleiben im Makro-Manager und werden mit der nächsten Änderung gespeichert.",
    "您的修改保留在宏管理器中，将在下一次修改时保存。",
    "您的修改保留在巨集編輯器中，將在下一次修改時儲存。",
};
constexpr Text4 kOkWaits = {
    "OK needs the macros saved first: make the file writable and press OK again, or leave with "
    "Cancel (the macros then stay as they were last saved).",
    "OK speichert zuerst die Makros: machen Sie die Datei beschreibbar und drücken Sie erneut OK, "
    "oder verlassen Sie den Dialog mit Abbrechen (die Makros bleiben dann, wie sie zuletzt "
    "gespeichert wurden).",
    "必须先保存宏才能按确定：请使该文件可写后再按确定，或按取消离开（宏将保持上次保存时的状态）。",
    "必須先儲存巨集才能按確定：請使該檔案可寫入後再按確定，或按取消離開（巨集將保持上次儲存時的狀態"
    "）。",
};

constexpr Text4 kLost = {
    "The edits since the last successful save are lost: the macros stay as they were last saved.",
    "Die Änderungen seit dem letzten erfolgreichen Speichern gehen verloren: die Makros bleiben, "
    "wie sie zuletzt gespeichert wurden.",
    "上次成功保存之后的修改已丢失：宏将保持上次保存时的状态。",
    "上次成功儲存之後的修改已遺失：巨集將保持上次儲存時的狀態。",
};

const Text4& Consequence(StoreFailureMoment moment) {
    switch (moment) {
        case StoreFailureMoment::Ok:
            return kOkWaits;
        case StoreFailureMoment::Cancel:
            return kLost;
        case StoreFailureMoment::Edit:
            break;
    }
    return kKept;
}

void ReplaceOnce(std::string& text, std::string_view mark, std::string_view value) {
    if (const auto at = text.find(mark); at != std::string::npos)
        text.replace(at, mark.size(), value);
}

}  // namespace

std::string MacroStoreFailureText(std::string_view code, const std::filesystem::path& store,
                                  std::string_view reason, StoreFailureMoment moment) {
    std::string text(PickByLanguage(code, kFailed));
    // The reason goes in first, so a "%2" in the file's name stays as it is.
    ReplaceOnce(text, "%2", reason);
    ReplaceOnce(text, "%1", store.string());
    return text + "\n" + std::string(PickByLanguage(code, Consequence(moment)));
}

}  // namespace vorlak
