// SPDX-License-Identifier: GPL-3.0-or-later
// A configuration record as JSON, for scripts.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/record_description.h"

namespace vorlak {

// Where the record came from: ("profile", "1"), ("record", path) …, in that order.
using RecordSource = std::vector<std::pair<std::string, std::string>>;

// "source": the source's fields; "record": every field of the record under its own name, in
// record order (bytes as numbers, each macro slot as hexadecimal text); then the values
// DescribeRecord shows: "dpiStages" (six, in DPI), "pollingRateHz", "lighting", "pointer",
// "buttons" (by caption, with their labels) and "macros" (the store's names).
std::string RecordJson(const MouseConfig& record, const DescriptionContext& context,
                       const RecordSource& source);

}  // namespace vorlak
