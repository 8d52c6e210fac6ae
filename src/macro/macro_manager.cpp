// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_manager.h"

#include <algorithm>
#include <utility>

#include "macro/macro_event.h"
#include "macro/macro_name.h"

namespace vorlak {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

std::ptrdiff_t Offset(int index) {
    return static_cast<std::ptrdiff_t>(index);
}

}  // namespace

MacroManager::MacroManager(const std::filesystem::path& storePath, FileWrites& writes,
                           MacroRows& staging, KeyCapture& capture, MillisecondClock clock,
                           PostTask post, std::string namePrefix, Notices notices)
    : store_(storePath, writes, [this](std::error_code error) { OnSaved(error); }),
      staging_(staging),
      namePrefix_(std::move(namePrefix)),
      notices_(std::move(notices)),
      recorder_(*this, capture, std::move(clock), std::move(post)) {
    if (store_.Exists())
        names_ = store_.ReadNames();
    openedNames_ = names_;
    for (std::size_t i = 0; i < names_.size(); ++i)
        openedAs_.push_back(static_cast<int>(i));
    if (!names_.empty()) {
        selected_ = 0;
        LoadSelectedMacro();
    }
}

MacroManager::~MacroManager() = default;

void MacroManager::Tell(ManagerChange change) const {
    if (notices_.changed)
        notices_.changed(change);
}

std::optional<std::string> MacroManager::SelectedMacroName() const {
    if (selected_ < 0 || At(selected_) >= names_.size())
        return std::nullopt;
    return names_[At(selected_)];
}

bool MacroManager::IsEvent(int index) const {
    return index >= 0 && At(index) < events_.size();
}

void MacroManager::SelectMacro(int index) {
    selected_ = (index >= 0 && At(index) < names_.size()) ? index : -1;
    LoadSelectedMacro();
}

void MacroManager::LoadSelectedMacro() {
    if (selected_ < 0)
        return;
    recorder_.StopIntoRecordedMacro();
    const StoredMacro macro = store_.ReadMacro(names_[At(selected_)]);
    SetLoopField(macro.loopText);
    events_ = macro.events;
    selectedEvent_ = -1;
    if (const int flag = ParseLeadingInt(macro.delayFlag); flag == 0 || flag == 1)
        recordDelays_ = flag == 1;
    loops_ = ParseLeadingInt(loopText_) > 1;
    loopFieldEnabled_ = loops_;
    Tell(ManagerChange::Names);
    Tell(ManagerChange::Events);
    Tell(ManagerChange::LoopField);
    Tell(ManagerChange::Options);
}

void MacroManager::SetLoopField(std::string text) {
    const int parsed = ParseLeadingInt(text);
    const bool inRange = parsed >= 1 && parsed <= kMaxLoopCount;
    const int count = inRange ? parsed : 1;
    loopText_ = inRange ? std::move(text) : std::string(1, '1');
    if (const std::optional<std::string> name = SelectedMacroName()) {
        if (selected_ < kMacroSlots) {
            auto& row = staging_[At(selected_)];
            row[0] = static_cast<Byte>(count >> 8);
            row[1] = static_cast<Byte>(count & 0xFF);
        }
        store_.WriteLoopCount(*name, count);
    }
    Tell(ManagerChange::LoopField);
}

void MacroManager::ToggleRecordDelays() {
    recordDelays_ = !recordDelays_;
    Tell(ManagerChange::Options);
}

void MacroManager::ToggleLoops() {
    StopRecording();
    loops_ = !loops_;
    FollowLoopsBox();
    Tell(ManagerChange::Options);
}

void MacroManager::FollowLoopsBox() {
    loopFieldEnabled_ = loops_;
    Tell(ManagerChange::LoopField);
}

void MacroManager::RecordButton() {
    if (recorder_.Recording())
        recorder_.StopRecording();
    else
        recorder_.StartRecording();
}

void MacroManager::StopRecording() {
    recorder_.StopRecording();
}

bool MacroManager::New() {
    StopRecording();
    WriteCurrentMacro();
    if (names_.size() >= static_cast<std::size_t>(kMaxMacros))
        return false;
    names_.push_back(NewMacroName(names_, namePrefix_));
    openedAs_.push_back(-1);
    selected_ = static_cast<int>(names_.size()) - 1;
    events_.clear();
    SetLoopField("1");
    LoadSelectedMacro();
    return true;
}

void MacroManager::Delete() {
    StopRecording();
    DeleteSelectedMacro();
}

void MacroManager::DeleteSelectedMacro() {
    if (names_.empty() || selected_ < 0)
        return;
    const std::string removed = names_[At(selected_)];
    names_.erase(names_.begin() + Offset(selected_));
    openedAs_.erase(openedAs_.begin() + Offset(selected_));
    events_.clear();
    selectedEvent_ = -1;
    selected_ = std::min(selected_, static_cast<int>(names_.size()) - 1);
    store_.Write({names_, removed, std::nullopt});
    Tell(ManagerChange::Names);
    Tell(ManagerChange::Events);
    LoadSelectedMacro();
}

std::optional<NamedMacro> MacroManager::SelectedMacroContent() const {
    const std::optional<std::string> name = SelectedMacroName();
    if (!name)
        return std::nullopt;
    return NamedMacro{*name, {recordDelays_ ? "1" : "0", loopText_, events_}};
}

void MacroManager::WriteList(std::string_view removed) {
    if (!store_.Exists() || names_.empty())
        return;
    if (events_.empty() && selected_ >= 0 && selected_ < kMacroSlots)
        std::fill_n(staging_[At(selected_)].begin(), kMacroBlockSize, Byte{0});
    store_.Write({names_, std::string(removed), SelectedMacroContent()});
}

void MacroManager::WriteCurrentMacro() {
    WriteList({});
}

// The recorded macro keeps its section, with its loop count, even when no key was captured.
void MacroManager::WriteRecordedMacro(const std::vector<std::string>& log) {
    if (!store_.Exists() || log.size() < 3)
        return;
    const std::vector<std::string> events(log.begin() + 3, log.end());
    store_.Write({names_, {}, NamedMacro{log[0], {log[1], log[2], events}}, true});
}

void MacroManager::ClearEvents() {
    events_.clear();
    selectedEvent_ = -1;
    Tell(ManagerChange::Events);
}

void MacroManager::AppendEvent(std::string text) {
    events_.push_back(std::move(text));
    selectedEvent_ = static_cast<int>(events_.size()) - 1;
    Tell(ManagerChange::EventAppended);
}

// The recording never started: the macro shows its stored events again, so no later write
// stores the list the start had cleared.
void MacroManager::CaptureFailed(int errorCode) {
    if (const std::optional<std::string> name = SelectedMacroName()) {
        events_ = store_.ReadMacro(*name).events;
        selectedEvent_ = -1;
        Tell(ManagerChange::Events);
    }
    if (notices_.captureFailed)
        notices_.captureFailed(errorCode);
}

void MacroManager::OnSaved(std::error_code error) {
    storeProblem_ = error;
    if (error && notices_.storeFailed)
        notices_.storeFailed(error);
}

void MacroManager::SelectEvent(int index) {
    selectedEvent_ = IsEvent(index) ? index : -1;
}

void MacroManager::SelectEventByKey(int index) {
    SelectEvent(index);
    if (IsEvent(index) && events_[At(index)].find(kDelaySuffix) != std::string::npos)
        trackedEvent_ = index;
}

bool MacroManager::ClickEvent(int index) {
    SelectEvent(index);
    if (!IsEvent(index) || events_[At(index)].find(kDelaySuffix) == std::string::npos)
        return false;
    if (index != trackedEvent_) {
        trackedEvent_ = index;
        return false;
    }
    WriteCurrentMacro();
    return true;
}

void MacroManager::DeleteEvent() {
    if (!IsEvent(selectedEvent_))
        return;
    events_.erase(events_.begin() + Offset(selectedEvent_));
    selectedEvent_ = -1;
    Tell(ManagerChange::Events);
    WriteCurrentMacro();
}

void MacroManager::InsertClick(std::string_view buttonName) {
    const int s = selectedEvent_;
    if (!IsEvent(s))
        return;
    const auto after = events_.begin() + Offset(s) + 1;
    events_.insert(after, {PressText(buttonName), ReleaseText(buttonName)});
    selectedEvent_ = IsDelayText(events_[At(s)]) ? s + 1 : s + 2;
    Tell(ManagerChange::Events);
    WriteCurrentMacro();
}

void MacroManager::InsertDelay() {
    const int s = selectedEvent_;
    const auto hasMark = [this](int i) {
        return events_[At(i)].find(kDelayMark) != std::string::npos;
    };
    if (!IsEvent(s) || s == 0 || hasMark(s - 1) || hasMark(s))
        return;
    events_.insert(events_.begin() + Offset(s), std::string(kInsertedDelay));
    selectedEvent_ = s + 1;
    Tell(ManagerChange::Events);
    WriteCurrentMacro();
}

void MacroManager::EndNameEdit(int index, std::string text) {
    // Only the selected macro is renamed: its section is the one rewritten.
    if (index != selected_ || index < 0)
        return;
    const std::string former = names_[At(index)];
    std::vector<std::string> others = names_;
    others.erase(others.begin() + Offset(index));
    if (IsValidMacroName(text, others))
        names_[At(index)] = std::move(text);
    Tell(ManagerChange::Names);
    WriteList(former);
}

void MacroManager::EndDelayEdit(int index, std::string text) {
    if (IsEvent(index) && IsDelayText(text))
        events_[At(index)] = std::move(text);
    Tell(ManagerChange::Events);
    WriteCurrentMacro();
}

void MacroManager::Ok(std::function<void(std::optional<MacroManagerResult>)> done) {
    StopRecording();
    WriteCurrentMacro();
    if (storeProblem_)
        store_.SaveAgain();  // a list without a macro to write is saved again too
    store_.WhenSaved([this, done = std::move(done)] {
        done(storeProblem_ ? std::nullopt : std::optional<MacroManagerResult>(Encode()));
    });
}

MacroManagerResult MacroManager::Encode() {
    MacroManagerResult result;
    result.dropped = EncodeStagingRows(store_.ReadMacros(kMacroSlots), staging_);
    result.rows = staging_;
    result.names = names_;
    for (int i = 0; i < kMacroSlots; ++i) {
        result.moves.number[At(i)] = At(i) < openedNames_.size() ? MacroMoves::kDeleted : i;
    }
    for (std::size_t now = 0; now < names_.size(); ++now) {
        const int opened = openedAs_[now];
        if (opened >= 0 && opened < kMacroSlots) {
            result.moves.number[At(opened)] = static_cast<int>(now);
            result.moves.name[At(opened)] = names_[now];
        }
    }
    return result;
}

void MacroManager::Cancel(std::function<void()> done) {
    StopRecording();
    store_.WhenSaved(std::move(done));
}

}  // namespace vorlak
