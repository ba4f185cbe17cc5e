// The image table's script functions: ImageLoad, ImageDraw and the rest.
#pragma once

void RegisterImageLibrary();
