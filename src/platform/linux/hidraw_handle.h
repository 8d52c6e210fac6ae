// SPDX-License-Identifier: GPL-3.0-or-later
// One open hidraw node: feature reports through the HIDIOCSFEATURE / HIDIOCGFEATURE
// ioctls, output reports through write(), input reports through poll() and read() with
// an eventfd that Wake() signals.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "device/hid_backend.h"

namespace vorlak {

class HidrawHandle : public HidHandle {
public:
    // Opens node with the open() flags given; null on failure (errno tells why).
    static std::unique_ptr<HidrawHandle> Open(const std::string& node, int flags);
    // Closes the node. The owner makes sure no call is still running.
    ~HidrawHandle() override;
    HidrawHandle(const HidrawHandle&) = delete;
    HidrawHandle& operator=(const HidrawHandle&) = delete;

    // A node found gone once (ENODEV) fails every later transfer with ENODEV without
    // touching the descriptor; a report taken only in part fails with EIO.
    TransferResult SetFeature(std::span<const std::uint8_t> report) override;
    TransferResult GetFeature(std::span<std::uint8_t> report) override;
    TransferResult Write(std::span<const std::uint8_t> report) override;
    // Returns -1 once the node is gone (hang-up, error, ENODEV) and from then on without
    // touching the descriptor again.
    int Read(std::span<std::uint8_t> buffer) override;
    void Wake() override;

    bool Dead() const { return dead_; }

private:
    HidrawHandle(int fd, int wakeFd) : fd_(fd), wakeFd_(wakeFd) {}
    TransferResult FeatureRequest(unsigned long request, std::span<std::uint8_t> report);
    // The failure of the call that set errno; ENODEV means the device is gone for good.
    TransferResult Failed();
    int Gone();

    const int fd_;
    const int wakeFd_;
    std::atomic<bool> dead_ = false;
};

}  // namespace vorlak
