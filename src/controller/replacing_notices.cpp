// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/replacing_notices.h"

#include <utility>

namespace vorlak {

std::optional<OutgoingNotice> ReplacingNotices::Show(DesktopNotice notice) {
    if (awaiting_) {
        waiting_ = std::move(notice);
        return std::nullopt;
    }
    return Send(std::move(notice));
}

std::optional<OutgoingNotice> ReplacingNotices::Answered(std::optional<std::uint32_t> id) {
    if (!awaiting_)
        return std::nullopt;
    awaiting_ = false;
    if (id)
        shownId_ = *id;
    if (!waiting_)
        return std::nullopt;
    DesktopNotice next = std::move(*waiting_);
    waiting_.reset();
    return Send(std::move(next));
}

OutgoingNotice ReplacingNotices::Send(DesktopNotice notice) {
    awaiting_ = true;
    return {std::move(notice), shownId_};
}

}  // namespace vorlak
