// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/sway_pointer_settings.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <nlohmann/json.hpp>

namespace vorlak {
namespace {

constexpr char kMagic[] = {'i', '3', '-', 'i', 'p', 'c'};
constexpr std::size_t kHeaderSize = sizeof kMagic + 8;
constexpr std::uint32_t kMaxReply = 16u << 20;

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0)
            close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool SendAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

bool ReceiveAll(int fd, char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t got = recv(fd, data, size, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

std::string Failure(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

SwayReply SwayRequest(const std::filesystem::path& socketPath, std::uint32_t type,
                      const std::string& payload) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = socketPath.string();
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return {false, "sway's IPC socket is not known (SWAYSOCK)"};
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0)
        return {false, Failure("socket")};
    if (connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return {false, Failure(path.c_str())};
    timeval timeout{2, 0};
    setsockopt(socket.get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);

    char header[kHeaderSize];
    std::memcpy(header, kMagic, sizeof kMagic);
    const auto length = static_cast<std::uint32_t>(payload.size());
    std::memcpy(header + sizeof kMagic, &length, 4);  // the host's byte order
    std::memcpy(header + sizeof kMagic + 4, &type, 4);
    if (!SendAll(socket.get(), header, sizeof header) ||
        !SendAll(socket.get(), payload.data(), payload.size()))
        return {false, Failure("sway IPC")};
    if (!ReceiveAll(socket.get(), header, sizeof header))
        return {false, Failure("sway IPC")};
    std::uint32_t replyLength = 0;
    std::memcpy(&replyLength, header + sizeof kMagic, 4);
    if (std::memcmp(header, kMagic, sizeof kMagic) != 0 || replyLength > kMaxReply)
        return {false, "sway IPC: not a reply of sway"};
    std::string reply(replyLength, '\0');
    if (!ReceiveAll(socket.get(), reply.data(), reply.size()))
        return {false, Failure("sway IPC")};
    return {true, std::move(reply)};
}

SwayPointerSettings::SwayPointerSettings(std::vector<HidIdentity> identities,
                                         std::filesystem::path socket)
    : identities_(std::move(identities)), socket_(std::move(socket)) {}

PointerResult SwayPointerSettings::SetOnMouse(const std::string& setting) {
    const SwayReply inputs = SwayRequest(socket_, kSwayGetInputs, "");
    if (!inputs.ok)
        return PointerResult::Kept(PointerRefusal::Refused, inputs.text);
    const nlohmann::json devices = nlohmann::json::parse(inputs.text, nullptr, false);
    if (!devices.is_array())
        return PointerResult::Kept(PointerRefusal::Refused, "sway listed its inputs unreadably");
    std::string commands;
    for (const nlohmann::json& device : devices) {
        if (!device.is_object() || device.value("type", "") != "pointer")
            continue;
        const auto vendor = device.value("vendor", -1);
        const auto product = device.value("product", -1);
        for (const HidIdentity& identity : identities_) {
            if (vendor == identity.vendorId && product == identity.productId) {
                // The identifier is "vendor:product:name" with the name's blanks as '_'.
                commands += "input \"" + device.value("identifier", "") + "\" " + setting + ";";
                break;
            }
        }
    }
    if (commands.empty())
        return PointerResult::Kept(PointerRefusal::DeviceNotFound);
    const SwayReply ran = SwayRequest(socket_, kSwayRunCommand, commands);
    if (!ran.ok)
        return PointerResult::Kept(PointerRefusal::Refused, ran.text);
    const nlohmann::json results = nlohmann::json::parse(ran.text, nullptr, false);
    if (!results.is_array() || results.empty())
        return PointerResult::Kept(PointerRefusal::Refused, "sway answered unreadably");
    for (const nlohmann::json& result : results) {
        if (!result.is_object() || !result.value("success", false))
            return PointerResult::Kept(PointerRefusal::Refused,
                                       result.is_object() ? result.value("error", "") : "");
    }
    return PointerResult::Taken();
}

PointerResult SwayPointerSettings::SetMouseAcceleration(int, int, int acceleration) {
    return SetOnMouse(std::string("accel_profile ") + (acceleration != 0 ? "adaptive" : "flat"));
}

PointerResult SwayPointerSettings::SetMouseSpeed(int speed) {
    return SetOnMouse("pointer_accel " + LibinputSpeedText(speed));
}

PointerResult SwayPointerSettings::SetWheelScrollLines(std::uint32_t) {
    return PointerResult::Kept(PointerRefusal::NoSuchSetting);
}

PointerResult SwayPointerSettings::SetDoubleClickTime(int) {
    return PointerResult::Kept(PointerRefusal::NoSuchSetting);
}

}  // namespace vorlak
