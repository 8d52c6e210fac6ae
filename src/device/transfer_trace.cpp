// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/transfer_trace.h"

#include <array>

#include "device/transfer_result.h"

namespace vorlak {
namespace {

constexpr std::array<const char*, 4> kKindNames = {"set-feature", "get-feature", "output", "pause"};

}  // namespace

std::string FormatTransfer(const Transfer& transfer) {
    std::string line = kKindNames[static_cast<std::size_t>(transfer.kind)];
    if (transfer.kind == Transfer::Kind::Pause)
        return line + " " + std::to_string(transfer.pause.count());
    constexpr const char* kHex = "0123456789ABCDEF";
    for (Byte b : transfer.bytes) {
        line += ' ';
        line += kHex[b >> 4];
        line += kHex[b & 0x0F];
    }
    if (transfer.error != 0) {
        const std::string_view name = TransferErrorName(transfer.error);
        line += " failed: " + (name.empty() ? std::to_string(transfer.error) : std::string(name));
    }
    return line;
}

}  // namespace vorlak
