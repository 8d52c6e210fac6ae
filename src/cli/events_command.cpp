// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/events_command.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <optional>
#include <utility>
#include <vector>

#include "device/simulated_mouse_script.h"

namespace vorlak {
namespace {

constexpr int kQuietEndMs = 500;

volatile std::sig_atomic_t interrupted = 0;
int interruptWakeFd = -1;

// Rings the loop's wake pipe too, so that an interrupt between the flag test and poll()
// is not lost, whichever thread the signal reaches.
void OnSignal(int) {
    interrupted = 1;
    const char byte = 0;
    [[maybe_unused]] ssize_t written = write(interruptWakeFd, &byte, 1);
}

void CatchInterrupts(int wakeFd) {
    interruptWakeFd = wakeFd;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// A pipe that wakes poll() when a task was queued from another thread.
class WakePipe {
public:
    WakePipe() {
        if (pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0)
            fds_[0] = fds_[1] = -1;
    }
    ~WakePipe() {
        for (int fd : fds_) {
            if (fd >= 0)
                close(fd);
        }
    }
    WakePipe(const WakePipe&) = delete;
    WakePipe& operator=(const WakePipe&) = delete;

    int ReadEnd() const { return fds_[0]; }
    int WriteEnd() const { return fds_[1]; }
    void Ring() const {
        const char byte = 1;
        [[maybe_unused]] ssize_t written = write(fds_[1], &byte, 1);
    }
    void Drain() const {
        char bytes[64];
        while (read(fds_[0], bytes, sizeof bytes) > 0) {
        }
    }

private:
    int fds_[2] = {-1, -1};
};

class EventLoop {
public:
    EventLoop(Session& session, const WakePipe& wake) : session_(session), wake_(wake) {
        if (SimulatedMouse* mouse = session.Hardware().simulated)
            input_.emplace(*mouse, "vorlakctl");
        session.Queue().SetWakeup([this] { wake_.Ring(); });
    }
    ~EventLoop() { session_.Queue().SetWakeup(nullptr); }
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    void Run() {
        const bool simulated = input_.has_value();
        bool reading = simulated;
        while (!interrupted) {
            std::vector<pollfd> fds = {{wake_.ReadEnd(), POLLIN, 0}};
            if (const int monitor = session_.Hardware().monitor->NotifyDescriptor(); monitor >= 0)
                fds.push_back({monitor, POLLIN, 0});
            if (reading)
                fds.push_back({STDIN_FILENO, POLLIN, 0});
            const int ready =
                poll(fds.data(), fds.size(), simulated && !reading ? kQuietEndMs : -1);
            if (ready == 0)
                break;  // the input has ended and nothing more came
            if (ready < 0 && errno != EINTR)
                break;
            wake_.Drain();
            session_.Queue().RunPending();
            if (reading && (fds.back().revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)))
                reading = ReadCommands();
            DeliverNotices();
        }
        session_.Queue().RunPending();
    }

private:
    // Reads what standard input holds; false at its end.
    bool ReadCommands() {
        char bytes[512];
        const ssize_t count = read(STDIN_FILENO, bytes, sizeof bytes);
        const bool more = count > 0 || (count < 0 && errno == EINTR);
        input_->Feed(std::string_view(bytes, count > 0 ? static_cast<std::size_t>(count) : 0),
                     !more, [this] {
                         DeliverNotices();
                         AwaitReportNotices();
                     });
        return more;
    }
    // A line that made the mouse send a report waits for its notice, which the listener hands
    // over from its thread: the next line (an unplug, the end of the input) would lose it.
    void AwaitReportNotices() {
        const int sent = session_.Hardware().simulated->EventReportsSent();
        if (sent == reportsSent_)
            return;
        reportsSent_ = sent;
        const int shown = session_.Tray().NoticesShown();
        session_.Queue().RunUntil([&] { return session_.Tray().NoticesShown() > shown; },
                                  std::chrono::milliseconds(kQuietEndMs));
    }
    void DeliverNotices() {
        for (const DeviceNotice& notice : session_.Hardware().monitor->TakeNotices())
            session_.Controller().OnDeviceNotice(notice);
        session_.Queue().RunPending();
    }

    Session& session_;
    const WakePipe& wake_;
    std::optional<SimulatedMouseInput> input_;  // with the simulated mouse only
    int reportsSent_ = 0;
};

}  // namespace

int Events(Session& session) {
    const WakePipe wake;
    CatchInterrupts(wake.WriteEnd());
    MainController& controller = session.Controller();
    if (!controller.Start())
        return NoMouse();
    controller.ShowPresence();
    EventLoop(session, wake).Run();
    return 0;
}

}  // namespace vorlak
