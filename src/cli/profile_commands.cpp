// SPDX-License-Identifier: GPL-3.0-or-later
// vorlakctl profile: the profile manager's list (New, Copy, Rename, Delete, the current
// profile), committed as its close commits it, with the files following their names; and its
// Load and Save, which read a profile file into the current profile and write it out.
#include <iostream>

#include "cli/command.h"
#include "cli/record_file.h"
#include "cli/words.h"
#include "controller/profile_notices.h"
#include "profiles/profile_list.h"
#include "profiles/profile_renumbering.h"
#include "record/ini_file.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

struct Profiles {
    ProfileList list;
    int current;  // the entry of the current profile
};

// The list needs no record: a profile whose record is lost can still be switched from.
Profiles ReadProfiles(Session& session) {
    session.LoadDataFolder();
    const MainController& controller = session.Controller();
    const IniFile listFile = IniFile::Open(controller.Files().ProfileListPath());
    if (const std::error_code unread = listFile.ReadError())
        ThrowDataFile(controller.Files().ProfileListPath().string() + ": " + unread.message());
    return {ProfileList::Read(listFile), controller.Store().currentProfileIndex};
}

bool AllDigits(std::string_view word) {
    return !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
}

// The entry a word names: a word of digits is a number 1..6, as profile list shows them (a
// profile whose name is all digits is chosen by its number); any other word is a name, matched
// exactly, else ignoring case.
int EntryOf(const ProfileList& list, std::string_view word) {
    if (AllDigits(word)) {
        if (word.size() == 1 && word[0] >= '1' && word[0] < '1' + list.Count())
            return word[0] - '1';
        ThrowUsage("there is no profile number " + CutText(word) + "; the profiles are 1 to " +
                   std::to_string(list.Count()) + " (vorlakctl profile list)");
    }
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < list.Count(); ++i) {
            if (pass == 0 ? list.Name(i) == word : SameName(list.Name(i), word))
                return i;
        }
    }
    ThrowUsage("no profile is called \"" + CutText(word) + "\" (vorlakctl profile list)");
}

// Writes the list and moves the files after their names, as the profile manager's close does.
void Commit(Session& session, const ProfileList& list, int current) {
    const std::filesystem::path folder = session.Controller().Files().Folder().Folder();
    const CommitResult result = CommitProfileList(folder, list, current);
    if (!result.ok) {
        ThrowDataFile(result.error + (result.unfinished
                                          ? "; the profiles are half renumbered: the next "
                                            "vorlakctl or the window finishes it before anything "
                                            "else"
                                          : "; the profiles are as they were"));
    }
    std::cout << "current profile: " << current + 1 << " \"" << list.Name(current) << "\"\n";
}

void Rename(ProfileList& list, int index, std::string_view name) {
    if (!list.Rename(index, name)) {
        ThrowUsage("\"" + CutText(name) +
                   "\" cannot name a profile: another profile has that name, or it holds a "
                   "line break or is too long");
    }
}

ProfileManagerTexts Texts(Session& session) {
    return ProfileManagerTextsFor(session.Controller().LanguageCode());
}

[[noreturn]] void Limit(Session& session) {
    const ProfileManagerTexts texts = Texts(session);
    ThrowUsage(std::string(texts.limitCaption) + " " + std::string(texts.limitMessage));
}

int List(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 0, 0, "profile list");
    const Profiles profiles = ReadProfiles(session);
    for (int i = 0; i < profiles.list.Count(); ++i) {
        std::cout << (i == profiles.current ? "* " : "  ") << i + 1 << "  " << profiles.list.Name(i)
                  << "\n";
    }
    return kExitSuccess;
}

int Switch(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 1, "profile switch NAME|NUMBER");
    const Profiles profiles = ReadProfiles(session);
    Commit(session, profiles.list, EntryOf(profiles.list, args[0]));
    return kExitSuccess;
}

int New(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 0, 1, "profile new [NAME]");
    Profiles profiles = ReadProfiles(session);
    const int index = profiles.list.AddNew(Texts(session).baseName);
    if (index < 0)
        Limit(session);
    if (!args.empty())
        Rename(profiles.list, index, args[0]);
    Commit(session, profiles.list, profiles.current);
    std::cout << "new profile " << index + 1 << " \"" << profiles.list.Name(index) << "\"\n";
    return kExitSuccess;
}

int Copy(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 2, "profile copy NAME [NEW-NAME]");
    Profiles profiles = ReadProfiles(session);
    if (!profiles.list.Copy(EntryOf(profiles.list, args[0]), Texts(session).menuCopy))
        Limit(session);
    const int index = profiles.list.Count() - 1;
    if (args.size() == 2)
        Rename(profiles.list, index, args[1]);
    Commit(session, profiles.list, profiles.current);
    std::cout << "new profile " << index + 1 << " \"" << profiles.list.Name(index) << "\"\n";
    return kExitSuccess;
}

int RenameProfile(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 2, 2, "profile rename NAME NEW-NAME");
    Profiles profiles = ReadProfiles(session);
    Rename(profiles.list, EntryOf(profiles.list, args[0]), args[1]);
    Commit(session, profiles.list, profiles.current);
    return kExitSuccess;
}

int Delete(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 1, "profile delete NAME|NUMBER");
    Profiles profiles = ReadProfiles(session);
    const int index = EntryOf(profiles.list, args[0]);
    const std::string name = profiles.list.Name(index);
    if (!profiles.list.Delete(index))
        ThrowUsage("\"" + CutText(name) + "\" is the only profile; one profile always stays");
    // The current profile keeps its place when another goes; the first one follows a deleted
    // current profile, as the manager's close with no selection does.
    const int current = profiles.list.IndexOfStored(profiles.current);
    Commit(session, profiles.list, current < 0 ? 0 : current);
    std::cout << "deleted profile \"" << name << "\"\n";
    return kExitSuccess;
}

// The profile manager's Load: the file's record and labels become the current profile's.
int Import(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 1, "profile import FILE.bin");
    const std::filesystem::path path = UserPath(args[0]);
    if (path.filename().string().find(".bin") == std::string::npos)
        ThrowUsage(path.string() + " is not a profile file: their names hold .bin");
    ReadRecordFile(path);  // refuses, with the reason, a file that is not a record
    const int status = session.EditCurrentProfile([&](MainController& controller) {
        const ImportOutcome outcome = controller.ImportChosenProfile(path);
        if (outcome.result != ImportResult::Imported)
            ThrowDataFile(ImportRefusalText(outcome, kLanguageEnglish));
        return true;
    });
    // Said once the profile is saved: a save that fails ends the command before.
    std::cout << "imported " << path.string() << " into profile "
              << session.Controller().Store().currentProfileIndex + 1 << "\n";
    return status;
}

// The profile manager's Save: the current profile's record and labels into a file.
int Export(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 1, "profile export FILE[.bin]");
    if (args[0].empty())
        ThrowUsage("profile export needs a file name");
    session.LoadCurrentProfile();
    const ExportOutcome outcome = session.Controller().ExportChosenProfile(UserPath(args[0]));
    if (!outcome.written)
        ThrowDataFile(outcome.failure.Describe() + "; the profile was not exported");
    std::cout << "exported to " << outcome.record.string() << " and " << outcome.settings.string()
              << "\n";
    return kExitSuccess;
}

constexpr Command kCommands[] = {
    {"profile list", "", "the profiles, the current one marked *", "Lists the profiles by number.",
     Access::Reads, List},
    {"profile switch", "NAME|NUMBER", "make a profile the current one",
     "Makes the profile current: the edit commands and apply work on it from now on.\n"
     "NUMBER is the profile's number in profile list; a word of digits is always a number,\n"
     "so a profile whose name is all digits is chosen by its number.",
     Access::WritesFiles, Switch},
    {"profile new", "[NAME]", "a new profile with the defaults",
     "Adds a profile holding the defaults, named NAME or as the profile manager names new\n"
     "profiles. Six profiles at most.",
     Access::WritesFiles, New},
    {"profile copy", "NAME [NEW-NAME]", "a new profile holding a copy of one",
     "Adds a copy of the profile, named NEW-NAME or \"Copy NAME\" (followed by 2, 3 ... when\n"
     "that name is taken). NAME may also be the profile's number; a word of digits is always\n"
     "a number. Six profiles at most.",
     Access::WritesFiles, Copy},
    {"profile rename", "NAME NEW-NAME", "rename a profile",
     "Renames the profile; names are unique. NAME may also be the profile's number; a word of\n"
     "digits is always a number.",
     Access::WritesFiles, RenameProfile},
    {"profile delete", "NAME|NUMBER", "delete a profile; files follow names",
     "Deletes the profile. The profiles after it move up one number and their files move\n"
     "with them, as when the profile manager closes; one profile always stays. NUMBER is the\n"
     "profile's number in profile list; a word of digits is always a number.",
     Access::WritesFiles, Delete},
    {"profile import", "FILE.bin", "read a profile file into the current profile",
     "Reads the record of FILE.bin (1889 bytes) and the labels of the .ini beside it into the\n"
     "current profile, as the profile manager's Load does, and saves it. FILE is taken\n"
     "relative to the current folder; a file that is not a profile changes nothing.",
     Access::WritesFiles, Import},
    {"profile export", "FILE[.bin]", "write the current profile to a file",
     "Writes the current profile's record to FILE.bin and its labels to FILE.ini, as the\n"
     "profile manager's Save does: both are written beside their names and then renamed\n"
     "into place, the labels first.",
     Access::WritesFiles, Export},
};

}  // namespace

std::span<const Command> ProfileCommands() {
    return kCommands;
}

}  // namespace vorlak
