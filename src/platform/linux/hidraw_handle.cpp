// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/hidraw_handle.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

namespace vorlak {
namespace {

// The length travels in the 14-bit size field of the request number.
constexpr std::size_t kMaxFeatureSize = (1U << _IOC_SIZEBITS) - 1;

}  // namespace

std::unique_ptr<HidrawHandle> HidrawHandle::Open(const std::string& node, int flags) {
    int fd = ::open(node.c_str(), flags | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        int error = errno;
        ::close(fd);
        errno = error;
        return nullptr;
    }
    return std::unique_ptr<HidrawHandle>(new HidrawHandle(fd, wakeFd));
}

HidrawHandle::~HidrawHandle() {
    ::close(wakeFd_);
    ::close(fd_);
}

TransferResult HidrawHandle::SetFeature(std::span<const std::uint8_t> report) {
    std::vector<std::uint8_t> buffer(report.begin(), report.end());  // the ioctl takes it writable
    return FeatureRequest(HIDIOCSFEATURE(buffer.size()), buffer);
}

TransferResult HidrawHandle::GetFeature(std::span<std::uint8_t> report) {
    return FeatureRequest(HIDIOCGFEATURE(report.size()), report);
}

// Both ioctls return the number of bytes they moved, the report id included.
TransferResult HidrawHandle::FeatureRequest(unsigned long request, std::span<std::uint8_t> report) {
    if (dead_)
        return TransferResult::Failed(ENODEV);
    if (report.empty() || report.size() > kMaxFeatureSize)
        return TransferResult::Failed(EINVAL);
    const int moved = ::ioctl(fd_, request, report.data());
    if (moved < 0)
        return Failed();
    if (static_cast<std::size_t>(moved) < report.size())
        return TransferResult::Failed(EIO);
    return TransferResult::Done();
}

TransferResult HidrawHandle::Write(std::span<const std::uint8_t> report) {
    if (dead_)
        return TransferResult::Failed(ENODEV);
    const ssize_t written = ::write(fd_, report.data(), report.size());
    if (written < 0)
        return Failed();
    if (static_cast<std::size_t>(written) < report.size())
        return TransferResult::Failed(EIO);
    return TransferResult::Done();
}

int HidrawHandle::Read(std::span<std::uint8_t> buffer) {
    if (dead_)
        return -1;
    pollfd fds[] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    while (::poll(fds, 2, -1) < 0) {
        if (errno != EINTR)
            return Gone();
    }
    if (fds[1].revents & POLLIN) {
        std::uint64_t count = 0;
        [[maybe_unused]] ssize_t drained = ::read(wakeFd_, &count, sizeof count);
        return 0;
    }
    // An unplugged node reports a hang-up or an error for good: never read it again.
    if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
        return Gone();
    if (!(fds[0].revents & POLLIN))
        return 0;
    ssize_t count = ::read(fd_, buffer.data(), buffer.size());
    if (count >= 0)
        return static_cast<int>(count);
    if (errno == EAGAIN || errno == EINTR)
        return 0;
    return Gone();
}

void HidrawHandle::Wake() {
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

TransferResult HidrawHandle::Failed() {
    const int error = errno;
    if (error == ENODEV)
        dead_ = true;
    return TransferResult::Failed(error);
}

int HidrawHandle::Gone() {
    dead_ = true;
    return -1;
}

}  // namespace vorlak
