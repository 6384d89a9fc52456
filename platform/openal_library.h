#pragma once
// OpenAL Soft, loaded when the audio output is first opened rather than with
// the program: start-up does not pay for a library that only playing needs.
// The functions keep their OpenAL names.

#include <AL/al.h>
#include <AL/alc.h>

struct openal_library {
    LPALCOPENDEVICE alcOpenDevice = nullptr;
    LPALCCLOSEDEVICE alcCloseDevice = nullptr;
    LPALCCREATECONTEXT alcCreateContext = nullptr;
    LPALCDESTROYCONTEXT alcDestroyContext = nullptr;
    LPALCMAKECONTEXTCURRENT alcMakeContextCurrent = nullptr;
    LPALGETERROR alGetError = nullptr;
    LPALGENSOURCES alGenSources = nullptr;
    LPALDELETESOURCES alDeleteSources = nullptr;
    LPALGETSOURCEI alGetSourcei = nullptr;
    LPALSOURCEPLAY alSourcePlay = nullptr;
    LPALSOURCESTOP alSourceStop = nullptr;
    LPALSOURCEQUEUEBUFFERS alSourceQueueBuffers = nullptr;
    LPALSOURCEUNQUEUEBUFFERS alSourceUnqueueBuffers = nullptr;
    LPALGENBUFFERS alGenBuffers = nullptr;
    LPALDELETEBUFFERS alDeleteBuffers = nullptr;
    LPALBUFFERDATA alBufferData = nullptr;
};

// Loads the library at the first call and keeps it for the rest of the
// process. Null when it or one of its functions cannot be found.
const openal_library* openal();
