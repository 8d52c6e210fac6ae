// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/feature_frame.h"

#include <algorithm>
#include <numeric>

namespace vorlak {

Byte FrameChecksum(const CommandBytes& command) {
    unsigned sum = std::accumulate(command.begin(), command.end() - 1, 0U);
    return static_cast<Byte>(~sum & 0xFFU);
}

FeatureFrame BuildFeatureFrame(const CommandBytes& command) {
    FeatureFrame frame{};
    std::copy(command.begin(), command.end() - 1, frame.begin() + 1);
    frame[8] = FrameChecksum(command);
    return frame;
}

std::size_t ChunkCount(std::size_t length) {
    return (length + kChunkSize - 1) / kChunkSize;
}

OutputReport BuildOutputReport(std::span<const Byte> data, std::size_t chunk) {
    OutputReport report{};
    std::size_t from = std::min(data.size(), chunk * kChunkSize);
    std::size_t count = std::min(kChunkSize, data.size() - from);
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(from), count, report.begin() + 1);
    return report;
}

std::optional<CommandBytes> ReadFeatureFrame(std::span<const Byte> report) {
    if (report.size() != kFeatureFrameSize || report[0] != 0)
        return std::nullopt;
    CommandBytes command{};
    std::copy(report.begin() + 1, report.end(), command.begin());
    if (FrameChecksum(command) != command[7])
        return std::nullopt;
    return command;
}

std::optional<std::span<const Byte>> ReadOutputReport(std::span<const Byte> report) {
    if (report.size() != kOutputReportSize || report[0] != 0)
        return std::nullopt;
    return report.subspan(1);
}

}  // namespace vorlak
