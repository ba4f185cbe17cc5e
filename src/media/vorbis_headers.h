// A look at the headers of Ogg Vorbis files before libsndfile opens them:
// when its Vorbis reader gives up on a file's headers it keeps the codec
// set-up it had allocated (about 6 KB a file), so such files never reach it.
#pragma once

// False for an Ogg Vorbis file whose three header packets end early or are
// refused by the Vorbis library; true for every other file.
bool VorbisHeadersReadable(const char* path);
