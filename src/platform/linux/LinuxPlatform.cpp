#include "platform/linux/LinuxPlatform.h"
