// Shared checks of the fuzz targets: every reader path of a handler runs on
// the input, and every name it yields that is accepted for extraction stays
// inside the destination.
#pragma once

#include <string_view>

#include "Archive.h"

namespace format_fuzz {

void ExerciseFormat(const standin::IArchiveFormat& format, std::string_view bytes);

}  // namespace format_fuzz
