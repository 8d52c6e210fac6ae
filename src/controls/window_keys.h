// The keys a skinned window swallows for itself and its children: Enter, Space, Escape and
// F1, so that none of them can close or trigger it. A line edit keeps Space, which is text
// there (a name like "Profile 2" could not be typed otherwise).
#pragma once

class QObject;
class QKeyEvent;

namespace vorlak {

bool IsSwallowedKey(const QObject* target, const QKeyEvent& event);

}  // namespace vorlak
