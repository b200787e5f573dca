// Whether a profile name may serve as the stem of a file name in the WinGT Import folder: a name
// that would lead out of that folder (a path separator) or holds control characters is refused.
#pragma once

#include <QString>

bool IsSafeFileStem(const QString& name);
