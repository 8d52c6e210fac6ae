// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_recorder.h"

#include <chrono>
#include <climits>
#include <utility>

#include "common/diagnostics.h"
#include "keys/key_table.h"
#include "macro/macro_event.h"

namespace vorlak {

namespace {

constexpr int kEnterKey = 13;
constexpr int kCapturedFlags = KeyFlagExtended | KeyFlagRelease;

}  // namespace

MillisecondClock SteadyMilliseconds() {
    return [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    };
}

MacroRecorder::MacroRecorder(Host& host, KeyCapture& capture, MillisecondClock clock, PostTask post)
    : host_(host), capture_(capture), clock_(std::move(clock)), post_(std::move(post)) {}

MacroRecorder::~MacroRecorder() {
    if (recording_)
        capture_.Stop();
}

void MacroRecorder::StartRecording() {
    const std::optional<std::string> name = host_.SelectedMacroName();
    if (!name)
        return;
    log_ = {*name, host_.RecordDelays() ? "1" : "0", host_.LoopText()};
    counter_ = 0;
    if (recording_)
        capture_.Stop();
    host_.ClearEvents();
    host_.FollowLoopsBox();
    recording_ = true;
    phase_ = 0;
    const unsigned session = ++session_;
    capture_.Start([this](const CapturedKey& key) { CaptureKey(key); },
                   [this, session](int errorCode) {
                       if (!recording_ || session != session_)
                           return;
                       EndCapture();
                       phase_ = 0;
                       host_.RecordingChanged();
                       host_.CaptureFailed(errorCode);
                   });
    host_.RecordingChanged();
}

void MacroRecorder::EndCapture() {
    capture_.Stop();
    counter_ = 0;
    recording_ = false;
    host_.FollowLoopsBox();
}

void MacroRecorder::StopRecording() {
    counter_ = 0;
    if (!recording_)
        return;
    EndCapture();
    phase_ = 2;
    host_.WriteCurrentMacro();
    host_.RecordingChanged();
}

void MacroRecorder::StopIntoRecordedMacro() {
    if (!recording_)
        return;
    EndCapture();
    phase_ = 2;
    host_.WriteRecordedMacro(log_);
    host_.RecordingChanged();
}

void MacroRecorder::CaptureKey(const CapturedKey& key) {
    const int flags = key.flags & kCapturedFlags;
    if (key.virtualKey == lastKey_ && flags == lastFlags_)
        return;
    lastKey_ = key.virtualKey;
    lastFlags_ = flags;
    int virtualKey = key.virtualKey;
    if (virtualKey == kEnterKey && (flags & KeyFlagExtended) != 0) {
        virtualKey = kKeypadEnterKey;
        lastKey_ = kKeypadEnterKey;
    }
    RecordedKey recorded{(flags & KeyFlagRelease) != 0,
                         std::string(VirtualKeyToKeyName(virtualKey)), ++counter_, session_};
    Diagnostic("vk code=%x,key flag=%x\n", key.virtualKey, flags);
    Diagnostic("GetKeyStr(%x)=%s\n", virtualKey, recorded.name.c_str());
    post_([this, recorded = std::move(recorded)] { OnRecordedKey(recorded); });
}

void MacroRecorder::OnRecordedKey(const RecordedKey& key) {
    if (!recording_ || key.session != session_)
        return;
    if (key.number > kMaxRecordedEvents) {
        StopRecording();
        return;
    }
    std::string text = key.release ? ReleaseText(key.name) : PressText(key.name);
    const std::uint32_t now = clock_();
    if (phase_ != 0 && host_.RecordDelays()) {
        const std::uint32_t elapsed = now - lastTime_;
        std::string delay = DelayText(elapsed > INT_MAX ? INT_MAX : static_cast<int>(elapsed));
        log_.push_back(delay);
        host_.AppendEvent(std::move(delay));
    }
    phase_ = 1;
    lastTime_ = now;
    log_.push_back(text);
    host_.AppendEvent(std::move(text));
}

}  // namespace vorlak
