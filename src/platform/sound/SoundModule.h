#pragma once

// The sound module: a shared library holding the wave player, so that Qt
// Multimedia, the sound server's client and the decoders they bring are
// loaded only when a sound is first opened, not with every start of the
// clock. The program finds it beside its executable.
namespace soundmodule {
// The module's file name.
constexpr const char* kFileName = "libchronidex-sound.so";
// The name of its one exported function: SoundPlayer* (), a new player the
// caller owns.
constexpr const char* kMakePlayer = "chronidexMakeSoundPlayer";
}  // namespace soundmodule
