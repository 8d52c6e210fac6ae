// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/data_problem.h"

#include <fstream>

#include "macro/macro_event.h"
#include "record/ini_file.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

using Reason = DataProblem::Reason;

std::optional<Reason> UnreadableFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return Reason::Missing;
    if (!std::ifstream(path, std::ios::binary))
        return Reason::NoAccess;
    return std::nullopt;
}

std::optional<Reason> UnreadableFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return Reason::Missing;
    std::filesystem::directory_iterator(folder, ec);
    if (ec)
        return Reason::NoAccess;
    return std::nullopt;
}

}  // namespace

std::optional<DataProblem> FindDataProblem(const ProfileFiles& files) {
    const std::filesystem::path& folder = files.Folder().Folder();
    if (std::optional<Reason> reason = UnreadableFolder(folder))
        return DataProblem{folder, *reason};
    const std::filesystem::path& list = files.ProfileListPath();
    if (std::optional<Reason> reason = UnreadableFile(list))
        return DataProblem{list, *reason};
    const int count = ParseLeadingInt(IniFile::Open(list).Get("Profile", "ItemCount"));
    if (count <= 0 || count > kMaxProfiles)
        return DataProblem{list, Reason::NoProfile};
    const std::filesystem::path& record = files.ConfigFilePath();
    if (std::optional<Reason> reason = UnreadableFile(record))
        return DataProblem{record, *reason};
    std::error_code ec;
    if (std::filesystem::file_size(record, ec) < kRecordFileSize)
        return DataProblem{record, Reason::ShortRecord};
    return std::nullopt;
}

std::string DataProblemText(const DataProblem& problem, std::string_view code) {
    const DataProblemTexts texts = DataProblemTextsFor(code);
    const std::string_view reasons[] = {texts.missing, texts.noAccess, texts.shortRecord,
                                        texts.noProfile};
    return problem.path.string() + " " + std::string(reasons[static_cast<int>(problem.reason)]) +
           ".\n" + std::string(texts.defaultsShown);
}

}  // namespace vorlak
