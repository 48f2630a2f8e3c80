#pragma once

#include "music/mci_port.h"

// The system's multimedia services (Windows only), loaded when the music first needs them.
MciPort& SystemMciPort();
