#include "platform/openal_library.h"

#include <dlfcn.h>

namespace {
template <typename Function>
bool find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const openal_library* load()
{
    void* library = dlopen("libopenal.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static openal_library al;
    const bool complete = find(library, "alcOpenDevice", al.alcOpenDevice)
                          && find(library, "alcCloseDevice", al.alcCloseDevice)
                          && find(library, "alcCreateContext", al.alcCreateContext)
                          && find(library, "alcDestroyContext", al.alcDestroyContext)
                          && find(library, "alcMakeContextCurrent", al.alcMakeContextCurrent)
                          && find(library, "alGetError", al.alGetError)
                          && find(library, "alGenSources", al.alGenSources)
                          && find(library, "alDeleteSources", al.alDeleteSources)
                          && find(library, "alGetSourcei", al.alGetSourcei)
                          && find(library, "alSourcePlay", al.alSourcePlay)
                          && find(library, "alSourceStop", al.alSourceStop)
                          && find(library, "alSourceQueueBuffers", al.alSourceQueueBuffers)
                          && find(library, "alSourceUnqueueBuffers", al.alSourceUnqueueBuffers)
                          && find(library, "alGenBuffers", al.alGenBuffers)
                          && find(library, "alDeleteBuffers", al.alDeleteBuffers)
                          && find(library, "alBufferData", al.alBufferData);
    return complete ? &al : nullptr;
}
}

const openal_library* openal()
{
    static const openal_library* const library = load();
    return library;
}
