#include "fight/Particulas.h"

int Particulas::Init(Renderer* renderer) {
    renderer_ = renderer;
    return 0;
}
