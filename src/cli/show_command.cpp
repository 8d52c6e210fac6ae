// SPDX-License-Identifier: GPL-3.0-or-later
// vorlakctl show: the current profile, or a record file, for people or (--json) for scripts.
#include <iostream>

#include "cli/command.h"
#include "cli/record_description.h"
#include "cli/record_file.h"
#include "cli/record_json.h"
#include "cli/words.h"
#include "macro/macro_store.h"
#include "profiles/profile_files.h"

namespace vorlak {
namespace {

// The labels a record file keeps beside it (its ".ini"); those the window would give its
// functions where it keeps none.
EntryLabels RecordFileLabels(const std::filesystem::path& path, const MouseConfig& record,
                             const DescriptionContext& context) {
    EntryLabels labels =
        ReadProfileSettings(CompanionSettingsPath(path), context.text.LabelSection).entryLabel;
    for (int e = 0; e < kEntryCount; ++e) {
        std::string& label = labels[static_cast<std::size_t>(e)];
        if (label.empty())
            label = WindowLabel(record, e, context);
    }
    return labels;
}

int Show(Session& session, CommandArgs args) {
    const bool json = !args.empty() && args[0] == "--json";
    args = args.subspan(json ? 1 : 0);
    if (args.size() > 1)
        ThrowUsage("show takes one record file at most; \"" + CutText(args[1]) +
                   "\" is one too many");
    if (!args.empty() && args[0].starts_with("--"))
        ThrowUsage("show knows no option " + CutText(args[0]) + " (only --json, before the file)");
    MainController& controller = session.Controller();
    RecordSource source;
    std::optional<MouseConfig> file;
    if (args.empty()) {
        session.LoadCurrentProfile();
        const int number = controller.Store().currentProfileIndex + 1;
        source = {{"profile", std::to_string(number)},
                  {"record", controller.Files().ConfigFilePath().string()},
                  {"settings", controller.Files().ProfileSettingsPath().string()}};
    } else {
        controller.LoadData();  // the language and the macro store of the data folder
        const std::filesystem::path path = UserPath(args[0]);
        file = ReadRecordFile(path);
        source = {{"record", path.string()}};
    }
    const MouseConfig& record = file ? *file : controller.Editor().Record();
    EntryLabels labels = controller.Editor().Labels();
    const DescriptionContext context{controller.Text(), controller.LanguageCode(), labels,
                                     MacroStore(controller.Files().MacroStorePath()).ReadNames()};
    if (file)
        labels = RecordFileLabels(UserPath(args[0]), *file, context);
    if (json) {
        std::cout << RecordJson(record, context, source);
        return kExitSuccess;
    }
    if (file)
        std::cout << "Record: " << source[0].second << "\n";
    else
        std::cout << "Profile " << source[0].second << ": " << source[1].second << "\n";
    std::cout << DescribeRecord(record, context);
    return kExitSuccess;
}

constexpr Command kCommands[] = {
    {"show", "[--json] [FILE]", "the current profile or a record file",
     "Shows the six DPI stages, polling rate, lighting, sensitivity, pointer settings, the\n"
     "fourteen buttons by the window's captions (Button 1 ... Button 7, Shift+1 ... Shift+7)\n"
     "with their labels, and the macros by name. FILE is a record file (.bin, 1889 bytes),\n"
     "taken relative to the current folder; its labels come from the .ini beside it.\n"
     "  --json   every field of the record under its own name, and the values above",
     Access::Reads, Show},
};

}  // namespace

std::span<const Command> ShowCommands() {
    return kCommands;
}

}  // namespace vorlak
