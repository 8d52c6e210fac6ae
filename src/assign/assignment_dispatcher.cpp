// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/assignment_dispatcher.h"

#include "assign/assignment_menu.h"
#include "keys/key_table.h"

namespace vorlak {
namespace {

constexpr std::array<Byte, 6> kMouseFunctions = {kFnLeftClick, kFnRightClick, kFnMiddleClick,
                                                 kFnForward,   kFnBack,       kFnDoubleClick};

// id in [first, first + count): its index, else -1.
int IndexIn(int id, int first, std::size_t count) {
    return id >= first && id < first + static_cast<int>(count) ? id - first : -1;
}

}  // namespace

std::optional<EntryChoice> ChoiceOfCommand(int id) {
    if (int i = IndexIn(id, kMenuClick, kMouseFunctions.size()); i >= 0)
        return PlainChoice{kMouseFunctions[static_cast<std::size_t>(i)]};
    if (id == kMenuShift)
        return PlainChoice{kFnShift};
    if (id == kMenuDeactivated)
        return PlainChoice{kFnDeactivated};
    if (int i = IndexIn(id, kMenuDpiFirst, 3); i >= 0)
        return DpiChoice{static_cast<Byte>(kDpiUp + i)};
    if (int i = IndexIn(id, kMenuWindowsShortcutFirst, kWindowsShortcutCount); i >= 0)
        return WindowsShortcutChoice{static_cast<Byte>(i)};
    if (int i = IndexIn(id, kMenuMultimediaFirst, kMultimediaUsageLow.size()); i >= 0)
        return MultimediaChoice{kMultimediaUsageLow[static_cast<std::size_t>(i)]};
    if (int i = IndexIn(id, kMenuOfficeFirst, kOfficeKeyUsages.size()); i >= 0)
        return OfficeChoice{kOfficeKeyUsages[static_cast<std::size_t>(i)]};
    return std::nullopt;
}

AssignmentDispatcher::AssignmentDispatcher(const MouseConfig& record, AssignmentPrompts prompts)
    : record_(record), prompts_(std::move(prompts)) {}

MenuOpening AssignmentDispatcher::Opening(int entry) const {
    if (entry < 0 || entry >= kEntryCount)
        return MenuOpening::None;
    if (entry >= kFirstShiftEntry &&
        record_.KeyFunction[static_cast<std::size_t>(entry)] == kFnShift)
        return MenuOpening::None;
    if (IsLastClick(record_, entry))
        return MenuOpening::LastClickMessage;
    return MenuOpening::Menu;
}

void AssignmentDispatcher::OnAssignmentCommand(int id) {
    if (currentEntry_ < 0 || id < kFirstAssignmentCommand || id > kLastAssignmentCommand)
        return;
    std::optional<EntryChoice> choice = id == kMenuKeyboardKey ? AskKey()
                                        : id == kMenuMacro     ? AskMacro()
                                                              : ChoiceOfCommand(id);
    if (choice)
        prompts_.assign(currentEntry_, *choice);
}

std::optional<EntryChoice> AssignmentDispatcher::AskKey() const {
    // A usage without a name (from another program's record) is no key to preset: OK without
    // a key then keeps it.
    const Byte usage = record_.KeyCode[static_cast<std::size_t>(currentEntry_)];
    const std::string_view preset = usage != 0 && KeyNameToUsage(UsageToKeyName(usage)) == usage
                                        ? UsageToKeyName(usage)
                                        : std::string_view();
    std::optional<std::string> name = prompts_.askKey(preset);
    if (!name || name->empty())
        return std::nullopt;
    return KeyChoice{std::move(*name)};
}

std::optional<EntryChoice> AssignmentDispatcher::AskMacro() const {
    std::optional<MacroChoice> macro = prompts_.askMacro();
    if (!macro || macro->index < 0)
        return std::nullopt;
    return *macro;
}

}  // namespace vorlak
