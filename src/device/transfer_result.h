// SPDX-License-Identifier: GPL-3.0-or-later
// The outcome of one transfer to or from the mouse: done, or failed with the system's error
// number (EIO, EPIPE, ENODEV ...).
#pragma once

#include <cerrno>
#include <optional>
#include <string_view>

namespace vorlak {

class [[nodiscard]] TransferResult {
public:
    static TransferResult Done() { return TransferResult(0); }
    // A failure always carries a reason: an error number of 0 becomes EIO.
    static TransferResult Failed(int error) { return TransferResult(error != 0 ? error : EIO); }

    bool Ok() const { return error_ == 0; }
    explicit operator bool() const { return Ok(); }
    // The error number; 0 when the transfer was done.
    int Error() const { return error_; }

private:
    explicit TransferResult(int error) : error_(error) {}
    int error_;
};

// The symbolic name of an error number a transfer may fail with ("EIO", "EPIPE", "ENODEV" ...);
// empty for others.
std::string_view TransferErrorName(int error);
// The error number of such a name; none for a name not among them.
std::optional<int> TransferErrorNamed(std::string_view name);

}  // namespace vorlak
