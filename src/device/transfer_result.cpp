// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/transfer_result.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vorlak {
namespace {

constexpr std::array<std::pair<int, std::string_view>, 13> kErrorNames = {{
    {EIO, "EIO"},
    {EPIPE, "EPIPE"},
    {ENODEV, "ENODEV"},
    {ETIMEDOUT, "ETIMEDOUT"},
    {EPROTO, "EPROTO"},
    {EBUSY, "EBUSY"},
    {EAGAIN, "EAGAIN"},
    {EINTR, "EINTR"},
    {EINVAL, "EINVAL"},
    {EOVERFLOW, "EOVERFLOW"},
    {ESHUTDOWN, "ESHUTDOWN"},
    {EACCES, "EACCES"},
    {ENOMEM, "ENOMEM"},
}};

}  // namespace

std::string_view TransferErrorName(int error) {
    const auto* found = std::find_if(kErrorNames.begin(), kErrorNames.end(),
                                     [error](const auto& entry) { return entry.first == error; });
    return found == kErrorNames.end() ? std::string_view() : found->second;
}

std::optional<int> TransferErrorNamed(std::string_view name) {
    const auto* found = std::find_if(kErrorNames.begin(), kErrorNames.end(),
                                     [name](const auto& entry) { return entry.second == name; });
    if (found == kErrorNames.end())
        return std::nullopt;
    return found->first;
}

}  // namespace vorlak
