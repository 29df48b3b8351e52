// Until recording and replay land, frames run on the measured time.
#include "platform/InputSession.h"

double InputSessionFrameTime(double measuredDelta) { return measuredDelta; }
