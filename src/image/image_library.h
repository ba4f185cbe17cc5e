// The script-visible image table.
#pragma once

void RegisterImageLibrary();
void ImageDeleteAll();
