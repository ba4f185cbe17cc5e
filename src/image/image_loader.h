// Loads a picture file with the reader its extension names.
#pragma once

#include "image/image_record.h"

// The extension is the last three characters after a dot among the last five
// ("x.tga", "x.jpeg" -> "jpe"), compared in lower case; the contents are never inspected.
// The file is read once and decoded in memory. Prints "[ERROR] Unsupported file format
// <path>" or, after the reader's own message, "[ERROR] Unable to load <path>" on failure,
// and then leaves the record empty.
bool LoadImageFile(const char* path, ImageRecord& record);
