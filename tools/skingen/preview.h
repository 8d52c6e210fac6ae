// SPDX-License-Identifier: GPL-3.0-or-later
// Composed pictures of the windows, put together from the skin set the way the program lays the
// images out, with sample captions, for checking the artwork by eye.
#pragma once

#include "skin_set.h"

#include <QString>

namespace skingen {

// Writes the previews as PNG files into `folder`; throws ArtError when one cannot be written.
void WritePreviews(const SkinSet& skins, const QString& folder);

}  // namespace skingen
