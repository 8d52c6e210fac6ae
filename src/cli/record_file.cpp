// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/record_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>

#include "cli/cli_error.h"
#include "config/profile_files.h"

namespace vorlak {

MouseConfig ReadRecordFile(const std::filesystem::path& path) {
    if (std::string problem = FileProblem(path, R_OK); !problem.empty())
        ThrowDataFile(path.string() + " " + problem);
    if (!std::filesystem::is_regular_file(path))
        ThrowDataFile(path.string() + " is not a regular file");
    std::ifstream in(path, std::ios::binary);
    std::string bytes(kRecordFileSize + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto size = static_cast<std::size_t>(in.gcount());
    if (in.bad())
        ThrowDataFile(path.string() + " could not be read: " + SystemReason(errno));
    if (size != kRecordFileSize) {
        ThrowDataFile(path.string() + " is not a profile record: a record has " +
                      std::to_string(kRecordFileSize) + " bytes, this file " +
                      (size > kRecordFileSize ? "more" : std::to_string(size)));
    }
    MouseConfig record;
    std::copy(bytes.begin() + 1, bytes.begin() + kRecordFileSize,
              reinterpret_cast<char*>(record.Bytes().data()));
    return record;
}

}  // namespace vorlak
