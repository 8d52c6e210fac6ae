// SPDX-License-Identifier: GPL-3.0-or-later
// What the mouse plugged in now holds, step by step: the bytes of each step of an Apply as the
// mouse received them whole. The next Apply sends only the steps whose bytes differ. It is
// shared with the other runs (the window, vorlakctl) through a file in the user's runtime
// folder, under the key of the mouse's arrival, written only once the steps of an Apply went
// out whole (and removed while they go out): a key that differs, a file that is missing or
// damaged, or a step that is not in it, and every step goes out again.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/apply_steps.h"

namespace vorlak {

// The file in runtimeDir ($XDG_RUNTIME_DIR); none without one, and none for the simulated mouse,
// which lives only as long as its run: the image then lives in the run alone.
std::optional<std::filesystem::path> KeptImageFileIn(const char* runtimeDir, bool simulated);

class KeptImage {
public:
    explicit KeptImage(std::optional<std::filesystem::path> file);

    // Forgets what the mouse holds (the file goes too): the next Apply sends every step.
    void Forget();
    // The steps of steps, in their order, that the mouse with key may not hold as they are:
    // every one when the image is not whole for that key (kept for another key or none, an
    // empty key, a step missing from it), otherwise those whose bytes differ from what the
    // mouse received.
    std::vector<ApplyStep> ToSend(const std::string& key, const std::vector<ApplyStep>& steps);
    // Before steps go out: what the mouse holds of them is in doubt until each went out whole,
    // so they leave the image, and the file goes until all went out.
    void Sending(const std::string& key, std::span<const ApplyStep> steps);
    // A step went out whole: it joins the image.
    void Received(const std::string& key, const ApplyStep& step);
    // Every step given to Sending went out whole: the image is written for the other runs.
    void Sent(const std::string& key);

private:
    void Reload();
    void Save();
    void RemoveFile();

    std::optional<std::filesystem::path> file_;
    std::string key_;                                 // empty: nothing kept
    std::map<std::string, std::vector<Byte>> steps_;  // the bytes received, by step name
};

}  // namespace vorlak
