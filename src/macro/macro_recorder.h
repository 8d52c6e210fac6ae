// SPDX-License-Identifier: GPL-3.0-or-later
// Recording a macro from the keyboard: while a recording runs, every key the capture reports
// becomes a press or release text in the manager's event list, with the measured time between
// two events as a delay text when the record-delay option is on.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "keys/key_capture.h"

namespace vorlak {

// Milliseconds of a clock that never runs backwards (differences wrap like the tick count).
using MillisecondClock = std::function<std::uint32_t()>;
MillisecondClock SteadyMilliseconds();

// Runs a task on the UI thread after the events already queued there.
using PostTask = std::function<void(std::function<void()>)>;

inline constexpr int kMaxRecordedEvents = 62;
inline constexpr int kKeypadEnterKey = 108;  // the virtual key the keypad's Enter records as

// One captured key handed over to the manager. It carries its own name and its number in the
// recording, so hand-overs still queued keep theirs whatever is captured after them.
struct RecordedKey {
    bool release = false;
    std::string name;
    int number = 0;        // 1 for the first key of the recording
    unsigned session = 0;  // the recording it belongs to
};

class MacroRecorder {
public:
    // What the recorder reads and changes in the macro manager.
    class Host {
    public:
        virtual ~Host() = default;
        virtual std::optional<std::string> SelectedMacroName() const = 0;
        virtual bool RecordDelays() const = 0;
        virtual std::string LoopText() const = 0;
        virtual void ClearEvents() = 0;
        // Appends the text to the event list and selects it.
        virtual void AppendEvent(std::string text) = 0;
        // Enables the loop field exactly when the loops box is ticked.
        virtual void FollowLoopsBox() = 0;
        // The manager's ordinary write of the selected macro.
        virtual void WriteCurrentMacro() = 0;
        // Writes the name list and the recorded macro (log: name, delay flag, loop text, events).
        virtual void WriteRecordedMacro(const std::vector<std::string>& log) = 0;
        // The recording started or stopped (the record button's caption and state).
        virtual void RecordingChanged() = 0;
        // The capture could not be taken; the recording has ended without events.
        virtual void CaptureFailed(int errorCode) = 0;
    };

    MacroRecorder(Host& host, KeyCapture& capture, MillisecondClock clock, PostTask post);
    ~MacroRecorder();
    MacroRecorder(const MacroRecorder&) = delete;
    MacroRecorder& operator=(const MacroRecorder&) = delete;

    bool Recording() const { return recording_; }
    // 0: no key yet in this recording, 1: at least one, 2: the recording stopped.
    int Phase() const { return phase_; }
    // The recorded macro's name, delay flag and loop text, then every text appended.
    const std::vector<std::string>& Log() const { return log_; }

    // With a macro selected: clears its events and starts the capture.
    void StartRecording();
    // Ends a running recording and writes the selected macro.
    void StopRecording();
    // Ends a running recording and writes its events to the macro it started on (another
    // macro is being selected).
    void StopIntoRecordedMacro();

    // The capture's handler. A key equal to the one before (same key, same flags) passes
    // unrecorded: an auto-repeat. The keypad's Enter counts as key 108 from here on.
    void CaptureKey(const CapturedKey& key);
    // A hand-over: its text, after the measured delay when delays are recorded; the 63rd
    // key of a recording stops it and is dropped, as are hand-overs of a recording that ended.
    void OnRecordedKey(const RecordedKey& key);

private:
    void EndCapture();

    Host& host_;
    KeyCapture& capture_;
    MillisecondClock clock_;
    PostTask post_;
    bool recording_ = false;
    int phase_ = 0;
    std::uint32_t lastTime_ = 0;
    int counter_ = 0;
    unsigned session_ = 0;
    int lastKey_ = 0;
    int lastFlags_ = 0;
    std::vector<std::string> log_;
};

}  // namespace vorlak
