// SPDX-License-Identifier: GPL-3.0-or-later
// A macro manager on a store in a temporary folder, driven by a scripted key capture, a clock
// the test sets and a queue of posted hand-overs the test runs.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "common/file_writes.h"
#include "keys/key_capture.h"
#include "macro/macro_manager.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {

class FakeKeyCapture : public KeyCapture {
public:
    void Start(KeyHandler onKey, FailureHandler onFailure) override {
        ++starts;
        running = true;
        onKey_ = std::move(onKey);
        onFailure_ = std::move(onFailure);
    }
    void Stop() override { running = false; }

    // A key from the keyboard, while the capture runs.
    void Key(int virtualKey, int flags = 0) const {
        if (running)
            onKey_({virtualKey, flags});
    }
    void Fail(int code) const {
        if (running)
            onFailure_(code);
    }

    int starts = 0;
    bool running = false;

private:
    KeyHandler onKey_;
    FailureHandler onFailure_;
};

// Writes that wait until the test lets them reach the disk, as they wait for the worker in
// the window; the test can make the next ones fail.
class HeldFileWrites : public FileWrites {
public:
    void Replace(std::filesystem::path path, std::string bytes, Done done) override {
        held_.push_back([this, path = std::move(path), bytes = std::move(bytes),
                         done = std::move(done)] {
            std::error_code error;
            if (failures_ > 0) {
                --failures_;
                error = failWith_;
            } else {
                ImmediateFileWrites().Replace(path, bytes, [&](std::error_code e) { error = e; });
            }
            done(error);
        });
    }
    void WhenDone(std::function<void()> then) override { held_.push_back(std::move(then)); }
    // The next `count` writes fail with error, without touching the file.
    void FailNext(int count, std::error_code error) {
        failures_ = count;
        failWith_ = error;
    }
    std::size_t Held() const { return held_.size(); }
    // Every held write reaches the disk, in order, and tells its outcome.
    void Release() {
        while (!held_.empty()) {
            auto next = std::move(held_.front());
            held_.pop_front();
            next();
        }
    }

private:
    std::deque<std::function<void()>> held_;
    int failures_ = 0;
    std::error_code failWith_;
};

inline constexpr int kVkA = 65;
inline constexpr int kVkB = 66;
inline constexpr int kVkC = 67;
inline constexpr int kVkEnter = 13;
inline constexpr int kVkLeftCtrl = 162;

class ManagerTest : public testing::Test {
protected:
    // Writes record.ini with this text (before Open).
    void Store(std::string_view text) { folder_.Write("record.ini", text); }
    void Open(std::string prefix = "Macro") { OpenWith(writes_, std::move(prefix)); }
    // The store written through writes (held ones, failing ones).
    void OpenWith(FileWrites& writes, std::string prefix = "Macro") {
        manager_ = std::make_unique<MacroManager>(
            folder_.Path("record.ini"), writes, staging_, capture_, [this] { return now_; },
            [this](std::function<void()> task) { queue_.push_back(std::move(task)); },
            std::move(prefix),
            MacroManager::Notices{
                [this](ManagerChange change) { changes_.push_back(change); },
                [this](int code) { failures_.push_back(code); },
                [this](std::error_code error) { storeFailures_.push_back(error); }});
    }
    // OK with the writes done: the result, or nothing when OK was refused.
    std::optional<MacroManagerResult> Ok() {
        std::optional<MacroManagerResult> result;
        bool ended = false;
        M().Ok([&](std::optional<MacroManagerResult> r) {
            result = std::move(r);
            ended = true;
        });
        EXPECT_TRUE(ended) << "OK ends once the writes have";
        return result;
    }
    void Cancel() {
        bool ended = false;
        M().Cancel([&] { ended = true; });
        EXPECT_TRUE(ended);
    }
    MacroManager& M() { return *manager_; }
    // Runs the queued hand-overs.
    void Deliver() {
        std::vector<std::function<void()>> tasks;
        tasks.swap(queue_);
        for (auto& task : tasks)
            task();
    }
    // A key press and release, delivered.
    void Type(int virtualKey, int flags = 0) {
        capture_.Key(virtualKey, flags);
        capture_.Key(virtualKey, flags | KeyFlagRelease);
        Deliver();
    }
    IniFile Ini() const { return IniFile::Open(folder_.Path("record.ini")); }
    StoredMacro Read(std::string_view name) const { return store_.ReadMacro(name); }

    TestFolder folder_;
    // Reads the file as the disk holds it.
    MacroStore store_{folder_.Path("record.ini"), [](std::chrono::milliseconds) {}};
    ImmediateFileWrites writes_;
    MacroRows staging_{};
    FakeKeyCapture capture_;
    std::uint32_t now_ = 1000;
    std::vector<std::function<void()>> queue_;
    std::vector<ManagerChange> changes_;
    std::vector<int> failures_;
    std::vector<std::error_code> storeFailures_;
    std::unique_ptr<MacroManager> manager_;
};

// Three macros, the second with events and a loop count of 3.
inline constexpr std::string_view kThreeMacros =
    "[MacroName]\nMacroCount=3\n0=Macro_1\n1=Macro_2\n2=Macro_3\n"
    "[Macro_1]\nDelayTimeSelStatus=0\nMacroLoopTimes=1\nItemCount=2\nItem0=A   Dn\nItem1=A   Up\n"
    "[Macro_2]\nDelayTimeSelStatus=1\nMacroLoopTimes=3\nItemCount=3\n"
    "Item0=B   Dn\nItem1=95 ms\nItem2=B   Up\n"
    "[Macro_3]\nDelayTimeSelStatus=0\nMacroLoopTimes=1\nItemCount=2\nItem0=C   Dn\nItem1=C   Up\n";

}  // namespace vorlak
