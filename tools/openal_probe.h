#pragma once
// The audio output as the system sees it, for tests and benchmarks: OpenAL
// Soft is loaded at the first play; while its output is open, the service's
// context is current and OpenAL runs threads of its own (its mixer, its event
// thread).

#include <QDir>

#include <dlfcn.h>

// True when OpenAL is loaded and has a current context.
inline bool openal_output_open()
{
    void* library = dlopen("libopenal.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return false;
    const auto current_context = reinterpret_cast<void* (*)()>(dlsym(library, "alcGetCurrentContext"));
    const bool open = current_context && current_context();
    dlclose(library);
    return open;
}

// The threads of this process.
inline int thread_count()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}
