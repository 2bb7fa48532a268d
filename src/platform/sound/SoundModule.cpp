#include <QtGlobal>

#include "platform/sound/SoundModule.h"
#include "platform/sound/WaveSoundPlayer.h"

extern "C" Q_DECL_EXPORT SoundPlayer* chronidexMakeSoundPlayer() {
    return new WaveSoundPlayer;
}
