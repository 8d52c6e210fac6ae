// SPDX-License-Identifier: GPL-3.0-or-later
// vorlakctl events: the mouse's event reports as notices until interrupted.
#pragma once

#include "cli/session.h"

namespace vorlak {

// Prints each notice as "Title: text" on standard output. With the simulated mouse, lines
// on standard input drive it; at the end of the input the command ends when no report has
// come for half a second. Returns the exit status.
int Events(Session& session);

}  // namespace vorlak
