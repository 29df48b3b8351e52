#include "fight/TimeEffects.h"

float RunTimeEffects(GameSettings* s, double delta) {
    if (s->freezeTime > 0.0f) s->freezeTime -= static_cast<float>(delta);
    if (s->slowMotionTime > 0.0f) {
        s->slowMotionTime -= static_cast<float>(delta);
        return static_cast<float>(delta * 0.25);
    }
    return static_cast<float>(delta);
}
