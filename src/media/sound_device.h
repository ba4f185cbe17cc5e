// The sound output layer: decoded samples, 64 channels, streamed music and its
// spectrum, over OpenAL Soft (output), libsndfile (decoding) and kissfft.
//
// Channels are addressed by handles 0 to 63; samples play on 1 to 63 and
// music on 0 while it is free. Every call is safe before Init,
// after a failed Init and after Close: it records kErrUninitialised and
// returns its default (false, 0, null or kNoChannel).
#pragma once

#include <cstdint>

namespace SoundDevice {

struct Sample;
struct Stream;

constexpr int kChannelCount = 64;
constexpr int kNoChannel = -1;
constexpr int kSpectrumSize = 512;

// Error codes as reported by GetError; ErrorText gives their texts.
enum ErrorCode : int {
    kErrNone = 0,
    kErrAlreadyInitialised = 1,
    kErrUninitialised = 2,
    kErrInit = 3,
    kErrPlay = 5,
    kErrFileNotFound = 9,
    kErrFileFormat = 10,
    kErrFileLoad = 11,
    kErrMemory = 12,
    kErrInvalidParam = 14,
    kErrChannelAlloc = 16,
};

enum class LoopMode { Off, Normal };

// Opens the default output device at this rate with this many channels (at
// most kChannelCount).
bool Init(int outputRate, int channelCount);
// Stops everything and frees the samples and streams still open.
void Close();
bool Running();
// The code of the last failure.
int GetError();
const char* ErrorText(int code);
// Keeps the music streams fed; the layer also does this on a thread of its own.
void Update();

// Decodes a whole file (WAV, FLAC, Ogg Vorbis, MP3, ...) into memory, mixed
// down to stereo when it has more channels.
Sample* SampleLoad(const char* path);
// Stops the channels playing it first.
void SampleFree(Sample* sample);
// Length in sample frames.
uint32_t SampleGetLength(const Sample* sample);

// Plays the sample from its start on a free channel at volume 255, pan 128
// and the sample's own rate, without looping. Returns the channel or kNoChannel.
int PlaySound(Sample* sample);
bool StopSound(int channel);
bool SetPaused(int channel, bool paused);
// True while the channel plays or is paused.
bool IsPlaying(int channel);
// Hertz; 0 for a channel that never played.
int GetFrequency(int channel);
// Playback rate in hertz: pitch relative to the sound's own rate.
bool SetFrequency(int channel, int hz);
int GetVolume(int channel);              // 0..255
bool SetVolume(int channel, int volume); // 0..255
int GetPan(int channel);                 // 0 left .. 255 right
bool SetPan(int channel, int pan);       // places the channel back in 2D
bool SetLoopMode(int channel, LoopMode mode);
// Places the channel in the 3D world, heard by a listener at the origin; a
// stereo sound is then heard as mono from that point.
bool Set3DAttributes(int channel, const float position[3], const float velocity[3]);

// World settings; kept while the output is closed and applied when it opens.
void SetDistanceFactor(float unitsPerMetre);
void SetDopplerFactor(float factor);
void SetRolloffFactor(float factor);

// Opens a file for playing in chunks; only its first frame is decoded, and a
// file without one is refused.
Stream* StreamOpen(const char* path);
// Plays the stream from its start on a free channel; the channel stays the
// stream's until StreamStop or StreamClose.
int StreamPlay(Stream* stream);
bool StreamStop(Stream* stream);
bool StreamClose(Stream* stream);

void SetSpectrumActive(bool active);
// kSpectrumSize magnitudes in 0..1 of the music heard right now (zeros when
// none plays); null when the output is not running or the spectrum is off.
// Valid until the next call.
const float* GetSpectrum();

} // namespace SoundDevice
