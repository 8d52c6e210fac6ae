// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/record_file.h"

#include <unistd.h>

#include "cli/cli_error.h"
#include "profiles/profile_files.h"

namespace vorlak {

MouseConfig ReadRecordFile(const std::filesystem::path& path) {
    // The reader's refusals do not say why a file cannot be opened: the file system does.
    if (std::string problem = FileProblem(path, R_OK); !problem.empty())
        ThrowDataFile(path.string() + " " + problem);
    const WholeRecord read = ReadWholeRecord(path);
    switch (read.result) {
        case RecordRead::Read:
            return read.record;
        case RecordRead::Missing:
            ThrowDataFile(path.string() + " does not exist");
        case RecordRead::NotAFile:
            ThrowDataFile(path.string() + " is not a regular file");
        case RecordRead::WrongSize:
            ThrowDataFile(path.string() + " is not a profile record: a record has " +
                          std::to_string(kRecordFileSize) + " bytes, this file " +
                          (read.size > kRecordFileSize ? "more" : std::to_string(read.size)));
        case RecordRead::Unreadable:
            break;
    }
    ThrowDataFile(path.string() + " could not be read: " + read.error.message());
}

}  // namespace vorlak
