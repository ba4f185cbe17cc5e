#include "media/sound_device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <numbers>
#include <thread>
#include <vector>

#include "media/sound_file.h"
#include "media/spectrum.h"

namespace SoundDevice {

// ---------------------------------------------------------------- types

struct Sample {
    ALuint buffer = 0;
    uint32_t frames = 0;
    int rate = 0;
    int channels = 0;
};

namespace {

constexpr int kStreamBuffers = 4;
// Mono history of a stream for the spectrum: far more than is ever queued ahead.
constexpr size_t kHistoryFrames = 1 << 17;

} // namespace

struct Stream {
    SoundFile file;
    ALenum format = 0;
    int channel = kNoChannel;
    std::array<ALuint, kStreamBuffers> buffers{};
    std::deque<ALuint> queued;        // buffers in the source's queue, oldest first
    std::deque<sf_count_t> queuedFrames;
    bool looping = false;
    bool endOfFile = false;
    uint64_t framesDecoded = 0;       // frames handed to the source so far
    uint64_t framesPlayed = 0;        // frames of the buffers taken back from it
    std::vector<float> history = std::vector<float>(kHistoryFrames, 0.0f);
    std::vector<short> chunk;
};

namespace {

struct Channel {
    ALuint source = 0;
    Sample* sample = nullptr;
    Stream* stream = nullptr; // set while a stream holds this channel
    int rate = 0;             // the sound's own rate
    int frequency = 0;
    int volume = 255;
    int pan = 128;
    bool paused = false;
};

struct Device {
    std::mutex mutex;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    std::vector<Channel> channels;
    int nextChannel = 1; // where the search for a sample's channel starts
    std::vector<Sample*> samples;
    std::vector<Stream*> streams;
    std::jthread feeder;
    int lastError = kErrNone;
    float distanceFactor = 1.0f;
    float dopplerFactor = 1.0f;
    float rolloffFactor = 1.0f;
    bool stereoAngles = false;
    bool spatialize = false;
    bool spectrumActive = false;
    std::array<float, kSpectrumSize> spectrum{};
};

Device& TheDevice() {
    static Device device;
    return device;
}

using Lock = std::lock_guard<std::mutex>;

// ---------------------------------------------------------------- helpers

bool Fail(Device& d, int code) {
    d.lastError = code;
    return false;
}

bool Ready(Device& d) { return d.context ? true : Fail(d, kErrUninitialised); }

Channel* FindChannel(Device& d, int channel) {
    if (!Ready(d)) return nullptr;
    if (channel < 0 || channel >= static_cast<int>(d.channels.size())) {
        d.lastError = kErrInvalidParam;
        return nullptr;
    }
    return &d.channels[channel];
}

// Runs `action` on the channel under the lock; `fallback` for a channel that
// does not exist or an output that is not running.
template <typename Result, typename Action>
Result OnChannel(int channel, Result fallback, Action action) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    Channel* c = FindChannel(d, channel);
    return c ? action(d, *c) : fallback;
}

// Whether the handle is one this layer gave out and has not freed.
template <typename Handle>
bool Known(Device& d, const std::vector<Handle*>& handles, const Handle* handle) {
    return handle && std::ranges::find(handles, handle) != handles.end() ? true : Fail(d, kErrInvalidParam);
}

bool ValidFactor(Device& d, float factor) {
    return factor >= 0.0f && std::isfinite(factor) ? true : Fail(d, kErrInvalidParam);
}

void CloseOutput(Device& d) {
    alcMakeContextCurrent(nullptr);
    if (d.context) alcDestroyContext(d.context);
    if (d.device) alcCloseDevice(d.device);
    d.context = nullptr;
    d.device = nullptr;
}

ALint SourceState(const Channel& c) {
    ALint state = AL_INITIAL;
    alGetSourcei(c.source, AL_SOURCE_STATE, &state);
    return state;
}

bool StreamFinished(const Stream& s) { return s.endOfFile && s.queued.empty(); }

bool ChannelBusy(const Channel& c) {
    if (c.stream) return true;
    ALint state = SourceState(c);
    return state == AL_PLAYING || state == AL_PAUSED;
}

// Channel 0 is kept for music, so that a sample's channel is never 0, the
// value callers read as "nothing played"; music falls back on any channel.
// Samples take the others in turn, which keeps a handle from coming back
// soon after its sound ended.
int TakeFreeChannel(Device& d, bool forMusic) {
    int count = static_cast<int>(d.channels.size());
    if (forMusic && !ChannelBusy(d.channels[0])) return 0;
    int first = count > 1 ? 1 : 0;
    int span = count - first;
    for (int i = 0; i < span; ++i) {
        int index = first + (d.nextChannel - first + i) % span;
        if (!ChannelBusy(d.channels[index])) {
            d.nextChannel = first + (index - first + 1) % span;
            return index;
        }
    }
    d.lastError = kErrChannelAlloc;
    return kNoChannel;
}

// A 2D channel sits on a unit circle in front of the listener; stereo sounds
// turn their two speakers towards the same side.
void ApplyPan(Device& d, Channel& c) {
    float p = std::clamp((c.pan - 127.5f) / 127.5f, -1.0f, 1.0f);
    if (d.spatialize) alSourcei(c.source, AL_SOURCE_SPATIALIZE_SOFT, AL_AUTO_SOFT);
    alSourcei(c.source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(c.source, AL_ROLLOFF_FACTOR, 0.0f);
    alSource3f(c.source, AL_POSITION, p, 0.0f, -std::sqrt(1.0f - p * p));
    alSource3f(c.source, AL_VELOCITY, 0.0f, 0.0f, 0.0f);
    if (d.stereoAngles) {
        constexpr float side = std::numbers::pi_v<float> / 2;
        constexpr float front = std::numbers::pi_v<float> / 6;
        float target = p < 0 ? side : -side; // positive angles turn left
        float t = std::abs(p);
        ALfloat angles[2] = {front + (target - front) * t, -front + (target + front) * t};
        alSourcefv(c.source, AL_STEREO_ANGLES, angles);
    }
}

void ResetChannel(Device& d, Channel& c, int rate) {
    c.rate = rate;
    c.frequency = rate;
    c.volume = 255;
    c.pan = 128;
    c.paused = false;
    alSourcef(c.source, AL_GAIN, 1.0f);
    alSourcef(c.source, AL_PITCH, 1.0f);
    alSourcei(c.source, AL_LOOPING, AL_FALSE);
    ApplyPan(d, c);
}

void ApplyWorldSettings(const Device& d) {
    alSpeedOfSound(343.3f * d.distanceFactor);
    alDopplerFactor(d.dopplerFactor);
}

// Mono mix of interleaved 16-bit frames into the stream's history ring.
void RememberFrames(Stream& s, const short* frames, sf_count_t count) {
    int channels = s.file.Channels();
    for (sf_count_t i = 0; i < count; ++i) {
        float sum = 0.0f;
        for (int ch = 0; ch < channels; ++ch) sum += frames[i * channels + ch];
        s.history[(s.framesDecoded + i) % kHistoryFrames] = sum / (32768.0f * channels);
    }
}

// Decodes the next chunk into a free buffer and queues it; false at the end.
bool QueueChunk(Stream& s, const Channel& c, ALuint buffer) {
    int channels = s.file.Channels();
    s.chunk.resize(static_cast<size_t>(kFileChunkFrames) * channels);
    sf_count_t got = s.file.Read(s.chunk.data(), kFileChunkFrames);
    if (got <= 0 && s.looping && s.framesDecoded > 0 && s.file.Rewind())
        got = s.file.Read(s.chunk.data(), kFileChunkFrames);
    if (got <= 0) {
        s.endOfFile = true;
        return false;
    }
    RememberFrames(s, s.chunk.data(), got);
    s.framesDecoded += got;
    alBufferData(buffer, s.format, s.chunk.data(),
                 static_cast<ALsizei>(got * channels * sizeof(short)), s.file.Rate());
    alSourceQueueBuffers(c.source, 1, &buffer);
    s.queued.push_back(buffer);
    s.queuedFrames.push_back(got);
    return true;
}

// Takes back the buffers the source has played, refills them, and restarts a
// source that ran dry while the stream still has music.
void FeedStream(Device& d, Stream& s) {
    if (s.channel == kNoChannel) return;
    Channel& c = d.channels[s.channel];
    ALint processed = 0;
    alGetSourcei(c.source, AL_BUFFERS_PROCESSED, &processed);
    std::vector<ALuint> spare;
    for (ALint i = 0; i < processed && !s.queued.empty(); ++i) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(c.source, 1, &buffer);
        s.framesPlayed += s.queuedFrames.front();
        s.queued.pop_front();
        s.queuedFrames.pop_front();
        spare.push_back(buffer);
    }
    if (s.queued.empty() && spare.empty() && !s.endOfFile) // first fill
        spare.assign(s.buffers.begin(), s.buffers.end());
    for (ALuint buffer : spare)
        if (s.endOfFile || !QueueChunk(s, c, buffer)) break;
    if (!s.queued.empty() && !c.paused) {
        ALint state = SourceState(c);
        if (state != AL_PLAYING) alSourcePlay(c.source);
    }
}

void FeedAllStreams(Device& d) {
    for (Stream* s : d.streams) FeedStream(d, *s);
}

void DetachStream(Device& d, Stream& s) {
    if (s.channel == kNoChannel) return;
    Channel& c = d.channels[s.channel];
    alSourceStop(c.source);
    alSourcei(c.source, AL_BUFFER, 0); // empties the queue
    c.stream = nullptr;
    s.channel = kNoChannel;
    s.queued.clear();
    s.queuedFrames.clear();
}

void ReleaseStream(Device& d, Stream* s) {
    DetachStream(d, *s);
    alDeleteBuffers(kStreamBuffers, s->buffers.data());
    std::erase(d.streams, s);
    delete s;
}

void ReleaseSample(Device& d, Sample* sample) {
    for (Channel& c : d.channels) {
        if (c.sample != sample) continue;
        alSourceStop(c.source);
        alSourcei(c.source, AL_BUFFER, 0);
        c.sample = nullptr;
    }
    alDeleteBuffers(1, &sample->buffer);
    std::erase(d.samples, sample);
    delete sample;
}

// The 1024 frames of the playing stream that end where the listener is now.
void UpdateSpectrum(Device& d) {
    d.spectrum.fill(0.0f);
    Stream* playing = nullptr;
    for (Stream* s : d.streams)
        if (s->channel != kNoChannel && !StreamFinished(*s)) playing = s;
    if (!playing) return;
    Stream& s = *playing;
    ALint offset = 0;
    alGetSourcei(d.channels[s.channel].source, AL_SAMPLE_OFFSET, &offset);
    uint64_t position = std::min<uint64_t>(s.framesPlayed + std::max(offset, 0), s.framesDecoded);
    std::array<float, kSpectrumWindow> block{};
    for (size_t i = 0; i < kSpectrumWindow; ++i) {
        uint64_t back = kSpectrumWindow - i;
        if (back <= position) block[i] = s.history[(position - back) % kHistoryFrames];
    }
    ComputeSpectrum(block.data(), d.spectrum.data());
}

ALenum FormatFor(int channels) { return channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16; }

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Without a device the audio libraries would tell of it on standard error in
// their own words, ahead of our message. OpenAL Soft reads its log level once,
// when first used: it is set to silence there unless the user chose one, and
// the environment is given back afterwards. ALSA, which OpenAL Soft's back end
// loads, keeps the silent error handler for good.
class QuietAudioLibraries {
  public:
    QuietAudioLibraries() : setLogLevel_(!getenv("ALSOFT_LOGLEVEL")) {
        if (setLogLevel_) setenv("ALSOFT_LOGLEVEL", "0", 0);
        if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
            using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
            using SetHandler = int (*)(Handler);
            if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
                set(IgnoreAlsaError);
            dlclose(alsa);
        }
    }
    ~QuietAudioLibraries() {
        if (setLogLevel_) unsetenv("ALSOFT_LOGLEVEL");
    }
    QuietAudioLibraries(const QuietAudioLibraries&) = delete;
    QuietAudioLibraries& operator=(const QuietAudioLibraries&) = delete;

  private:
    bool setLogLevel_;
};

void FeedLoop(std::stop_token stop) {
    while (!stop.stop_requested()) {
        {
            Device& d = TheDevice();
            Lock lock(d.mutex);
            FeedAllStreams(d);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace

// ---------------------------------------------------------------- output

bool Init(int outputRate, int channelCount) {
    Device& d = TheDevice();
    {
        Lock lock(d.mutex);
        if (d.context) return Fail(d, kErrAlreadyInitialised);
        channelCount = std::clamp(channelCount, 1, kChannelCount);
        {
            QuietAudioLibraries quiet;
            d.device = alcOpenDevice(nullptr);
        }
        if (!d.device) return Fail(d, kErrInit);
        ALCint attributes[] = {ALC_FREQUENCY, outputRate, ALC_MONO_SOURCES, channelCount,
                               ALC_STEREO_SOURCES, channelCount, 0};
        d.context = alcCreateContext(d.device, attributes);
        if (!d.context || !alcMakeContextCurrent(d.context)) {
            CloseOutput(d);
            return Fail(d, kErrInit);
        }
        alGetError();
        std::vector<ALuint> sources(channelCount);
        alGenSources(channelCount, sources.data());
        if (alGetError() != AL_NO_ERROR) {
            CloseOutput(d);
            return Fail(d, kErrInit);
        }
        d.stereoAngles = alIsExtensionPresent("AL_EXT_STEREO_ANGLES");
        d.spatialize = alIsExtensionPresent("AL_SOFT_source_spatialize");
        d.channels.assign(channelCount, Channel{});
        for (int i = 0; i < channelCount; ++i) {
            d.channels[i].source = sources[i];
            ResetChannel(d, d.channels[i], 0);
        }
        d.nextChannel = channelCount > 1 ? 1 : 0;
        ApplyWorldSettings(d);
        d.lastError = kErrNone;
    }
    d.feeder = std::jthread(FeedLoop);
    return true;
}

void Close() {
    Device& d = TheDevice();
    if (d.feeder.joinable()) {
        d.feeder.request_stop();
        d.feeder.join();
    }
    Lock lock(d.mutex);
    if (!d.context) return;
    while (!d.streams.empty()) ReleaseStream(d, d.streams.back());
    while (!d.samples.empty()) ReleaseSample(d, d.samples.back());
    for (Channel& c : d.channels) {
        alSourceStop(c.source);
        alDeleteSources(1, &c.source);
    }
    d.channels.clear();
    CloseOutput(d);
}

bool Running() {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    return d.context != nullptr;
}

int GetError() {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    return d.lastError;
}

const char* ErrorText(int code) {
    static const char* const texts[] = {
        "No errors",
        "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
        "This command failed because FSOUND_Init was not called",
        "Error initializing output device.",
        "The output device is already in use and cannot be reused.",
        "Playing the sound failed.",
        "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
        "Error setting cooperative level for hardware.",
        "Error creating hardware sound buffer.",
        "File not found",
        "Unknown file format",
        "Error loading file",
        "Not enough memory ",
        "The version number of this file format is not supported",
        "An invalid parameter was passed to this function",
        "Tried to use an EAX command on a non EAX enabled channel or output.",
        "Failed to allocate a new channel",
        "Recording not supported on this device",
        "Required Mediaplayer codec is not installed",
    };
    constexpr int count = sizeof texts / sizeof texts[0];
    return code >= 0 && code < count ? texts[code] : "Unknown error";
}

void Update() {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (d.context) FeedAllStreams(d);
}

// ---------------------------------------------------------------- samples

Sample* SampleLoad(const char* path) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!Ready(d)) return nullptr;
    DecodedSound sound;
    int error = DecodeSoundFile(path, &sound);
    if (error != kErrNone) {
        Fail(d, error);
        return nullptr;
    }
    auto sample = new Sample;
    sample->frames = static_cast<uint32_t>(sound.pcm.size() / sound.channels);
    sample->rate = sound.rate;
    sample->channels = sound.channels;
    alGetError();
    alGenBuffers(1, &sample->buffer);
    alBufferData(sample->buffer, FormatFor(sound.channels), sound.pcm.data(),
                 static_cast<ALsizei>(sound.pcm.size() * sizeof(short)), sound.rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &sample->buffer);
        delete sample;
        Fail(d, kErrFileLoad);
        return nullptr;
    }
    d.samples.push_back(sample);
    return sample;
}

void SampleFree(Sample* sample) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (Ready(d) && Known(d, d.samples, sample)) ReleaseSample(d, sample);
}

uint32_t SampleGetLength(const Sample* sample) { return sample ? sample->frames : 0; }

// ---------------------------------------------------------------- channels

int PlaySound(Sample* sample) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!Ready(d) || !Known(d, d.samples, sample)) return kNoChannel;
    int index = TakeFreeChannel(d, false);
    if (index == kNoChannel) return kNoChannel;
    Channel& c = d.channels[index];
    alSourceStop(c.source);
    alSourcei(c.source, AL_BUFFER, static_cast<ALint>(sample->buffer));
    c.sample = sample;
    ResetChannel(d, c, sample->rate);
    alSourcePlay(c.source);
    return index;
}

bool StopSound(int channel) {
    return OnChannel(channel, false, [](Device& d, Channel& c) {
        if (c.stream) {
            Stream& s = *c.stream;
            DetachStream(d, s);
            s.endOfFile = true;
        } else {
            alSourceStop(c.source);
        }
        c.paused = false;
        return true;
    });
}

bool SetPaused(int channel, bool paused) {
    return OnChannel(channel, false, [paused](Device&, Channel& c) {
        c.paused = paused;
        ALint state = SourceState(c);
        // A finished sound stays finished: resuming must not start it again.
        if (paused && state == AL_PLAYING) alSourcePause(c.source);
        if (!paused && state == AL_PAUSED) alSourcePlay(c.source);
        return true;
    });
}

bool IsPlaying(int channel) {
    return OnChannel(channel, false, [](Device&, Channel& c) {
        if (c.stream) return !StreamFinished(*c.stream);
        ALint state = SourceState(c);
        return state == AL_PLAYING || state == AL_PAUSED;
    });
}

int GetFrequency(int channel) {
    return OnChannel(channel, 0, [](Device&, Channel& c) { return c.frequency; });
}

bool SetFrequency(int channel, int hz) {
    return OnChannel(channel, false, [hz](Device& d, Channel& c) {
        if (hz <= 0) return Fail(d, kErrInvalidParam);
        c.frequency = hz;
        if (c.rate > 0) alSourcef(c.source, AL_PITCH, static_cast<float>(hz) / c.rate);
        return true;
    });
}

int GetVolume(int channel) {
    return OnChannel(channel, 0, [](Device&, Channel& c) { return c.volume; });
}

bool SetVolume(int channel, int volume) {
    return OnChannel(channel, false, [volume](Device&, Channel& c) {
        c.volume = std::clamp(volume, 0, 255);
        alSourcef(c.source, AL_GAIN, c.volume / 255.0f);
        return true;
    });
}

int GetPan(int channel) {
    return OnChannel(channel, 0, [](Device&, Channel& c) { return c.pan; });
}

bool SetPan(int channel, int pan) {
    return OnChannel(channel, false, [pan](Device& d, Channel& c) {
        c.pan = std::clamp(pan, 0, 255);
        ApplyPan(d, c);
        return true;
    });
}

bool SetLoopMode(int channel, LoopMode mode) {
    return OnChannel(channel, false, [mode](Device&, Channel& c) {
        bool looping = mode == LoopMode::Normal;
        if (c.stream)
            c.stream->looping = looping;
        else
            alSourcei(c.source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
        return true;
    });
}

bool Set3DAttributes(int channel, const float position[3], const float velocity[3]) {
    return OnChannel(channel, false, [position, velocity](Device& d, Channel& c) {
        for (int i = 0; i < 3; ++i)
            if (!std::isfinite(position[i]) || !std::isfinite(velocity[i])) return Fail(d, kErrInvalidParam);
        alSourcei(c.source, AL_SOURCE_RELATIVE, AL_FALSE);
        // A stereo sound in the world is heard from its one point, as mono.
        if (d.spatialize) alSourcei(c.source, AL_SOURCE_SPATIALIZE_SOFT, AL_TRUE);
        alSourcef(c.source, AL_ROLLOFF_FACTOR, d.rolloffFactor);
        alSource3f(c.source, AL_POSITION, position[0], position[1], position[2]);
        alSource3f(c.source, AL_VELOCITY, velocity[0], velocity[1], velocity[2]);
        return true;
    });
}

// ---------------------------------------------------------------- world

namespace {

// Keeps a valid world factor; while the output runs it takes effect at once.
void SetWorldFactor(float Device::*setting, float factor) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!ValidFactor(d, factor)) return;
    d.*setting = factor;
    if (d.context) ApplyWorldSettings(d);
}

} // namespace

void SetDistanceFactor(float unitsPerMetre) {
    // No units per metre would put every sound infinitely far away.
    if (unitsPerMetre != 0.0f) SetWorldFactor(&Device::distanceFactor, unitsPerMetre);
}

void SetDopplerFactor(float factor) { SetWorldFactor(&Device::dopplerFactor, factor); }

void SetRolloffFactor(float factor) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!ValidFactor(d, factor)) return;
    d.rolloffFactor = factor;
    for (Channel& c : d.channels) {
        ALint relative = AL_TRUE;
        alGetSourcei(c.source, AL_SOURCE_RELATIVE, &relative);
        if (!relative) alSourcef(c.source, AL_ROLLOFF_FACTOR, factor);
    }
}

// ---------------------------------------------------------------- streams

Stream* StreamOpen(const char* path) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!Ready(d)) return nullptr;
    auto stream = new Stream;
    int error = stream->file.Open(path);
    // A file that decodes to nothing has no music to play.
    if (error == kErrNone && !stream->file.HasFrames()) error = kErrFileLoad;
    if (error != kErrNone) {
        delete stream;
        Fail(d, error);
        return nullptr;
    }
    stream->format = FormatFor(stream->file.Channels());
    alGenBuffers(kStreamBuffers, stream->buffers.data());
    d.streams.push_back(stream);
    return stream;
}

int StreamPlay(Stream* stream) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!Ready(d) || !Known(d, d.streams, stream)) return kNoChannel;
    DetachStream(d, *stream);
    // Played before: back to the start. A fresh stream is not sought, which
    // would change an MPEG decoder's first samples.
    if (stream->framesDecoded > 0 && !stream->file.Rewind()) {
        Fail(d, kErrPlay);
        return kNoChannel;
    }
    int index = TakeFreeChannel(d, true);
    if (index == kNoChannel) return kNoChannel;
    Channel& c = d.channels[index];
    alSourceStop(c.source);
    alSourcei(c.source, AL_BUFFER, 0);
    c.sample = nullptr;
    c.stream = stream;
    ResetChannel(d, c, stream->file.Rate());
    stream->channel = index;
    stream->endOfFile = false;
    stream->framesDecoded = 0;
    stream->framesPlayed = 0;
    FeedStream(d, *stream);
    return index;
}

bool StreamStop(Stream* stream) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!Ready(d) || !Known(d, d.streams, stream)) return false;
    DetachStream(d, *stream);
    return true;
}

bool StreamClose(Stream* stream) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!Ready(d) || !Known(d, d.streams, stream)) return false;
    ReleaseStream(d, stream);
    return true;
}

// ---------------------------------------------------------------- spectrum

void SetSpectrumActive(bool active) {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    d.spectrumActive = active;
}

const float* GetSpectrum() {
    Device& d = TheDevice();
    Lock lock(d.mutex);
    if (!d.context || !d.spectrumActive) return nullptr;
    UpdateSpectrum(d);
    return d.spectrum.data();
}

} // namespace SoundDevice
