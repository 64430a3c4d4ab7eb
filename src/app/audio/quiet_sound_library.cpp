// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "audio/quiet_sound_library.h"

#include <dlfcn.h>

#include <QByteArray>
#include <QtGlobal>

namespace quazzle {
namespace {

// ALSA's snd_lib_error_handler_t and snd_lib_error_set_handler.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err,
                                  const char* fmt, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void quietSoundLibrary() {
    // A player who sets the level wants to hear why there is no sound: leave both as they are.
    if (qEnvironmentVariableIsSet("ALSOFT_LOGLEVEL")) return;
    // Read by OpenAL Soft on its first call.
    qputenv("ALSOFT_LOGLEVEL", "0");

    // OpenAL Soft loads ALSA where it is installed, and ALSA's own handler prints every failed
    // device lookup. Loaded here first and never unloaded, it is the same library OpenAL gets,
    // with the quiet handler in place. Where ALSA is missing there is nothing to quieten.
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa) return;
    auto setHandler =
        reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler) setHandler(ignoreAlsaError);
}

}  // namespace quazzle
