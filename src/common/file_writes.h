// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file replacements in the order they are asked for, each one's outcome handed back to
// the owner in the same order: at once on the calling thread, or on the data files' one
// writer thread (WriteQueue), so that the flush to the disk never stalls a window.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

namespace vorlak {

class WriteQueue;

class FileWrites {
public:
    // The outcome of one replacement: no error, or the system's reason.
    using Done = std::function<void(std::error_code)>;

    virtual ~FileWrites() = default;
    // Replaces the file with bytes atomically (ReplaceFileAtomically); done runs on the
    // owner's thread after it, and after the outcomes of every earlier replacement.
    virtual void Replace(std::filesystem::path path, std::string bytes, Done done) = 0;
    // Runs then on the owner's thread after the outcomes of every replacement asked for so far.
    virtual void WhenDone(std::function<void()> then) = 0;
};

// Writes on the calling thread: a command line run, tests.
class ImmediateFileWrites : public FileWrites {
public:
    void Replace(std::filesystem::path path, std::string bytes, Done done) override;
    void WhenDone(std::function<void()> then) override { then(); }
};

// Writes on the queue's thread; the outcomes come back through post, which queues a task on
// the owner's thread and may be called from any thread (and after the owner has gone). The
// outcomes that arrive after this object has gone are dropped; the writes themselves are not.
class QueuedFileWrites : public FileWrites {
public:
    using Post = std::function<void(std::function<void()>)>;
    QueuedFileWrites(WriteQueue& queue, Post post) : queue_(queue), post_(std::move(post)) {}
    ~QueuedFileWrites() override { *alive_ = false; }
    QueuedFileWrites(const QueuedFileWrites&) = delete;
    QueuedFileWrites& operator=(const QueuedFileWrites&) = delete;

    void Replace(std::filesystem::path path, std::string bytes, Done done) override;
    void WhenDone(std::function<void()> then) override;

private:
    WriteQueue& queue_;
    Post post_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vorlak
