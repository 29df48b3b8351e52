// The particle system's part of a fight's saved state: the tint, the floor
// and the three lists in order. Owners are saved as their place in the
// creature table the caller gives; records come from and go back to the
// pool, which never shrinks.
#include <initializer_list>

#include "base/StateBuffer.h"
#include "effects/Particulas.h"

namespace {

// Every member four bytes: no padding reaches the buffer.
struct SavedParticle {
    float x, y, vx, vy, w, h, radius, angle;
    int32_t kind;
    float lifeTotal, lifeLeft, fade;
    int32_t hit;
    int32_t owner;  // index in the creature table, -1 for none
};

int32_t OwnerIndex(const Bicho* owner, Bicho* const* creatures, int count) {
    if (!owner) return -1;
    for (int i = 0; i < count; ++i)
        if (creatures[i] == owner) return i;
    return -1;
}

}  // namespace

void Particulas::SaveState(StateWriter& out, Bicho* const* creatures, int creatureCount) const {
    const float header[4] = {tintR_, tintG_, tintB_, floor_};
    out.Put(header);
    for (const Particula* list : {bleeding_, back_, front_}) {
        unsigned char* countAt = out.Reserve(sizeof(int32_t));
        int32_t count = 0;
        for (const Particula* p = list; p; p = p->next, ++count) {
            const SavedParticle s = {p->x,        p->y,        p->vx,          p->vy,
                                     p->w,        p->h,        p->radius,      p->angle,
                                     p->kind,     p->lifeTotal, p->lifeLeft,   p->fade,
                                     p->hit ? 1 : 0, OwnerIndex(p->owner, creatures, creatureCount)};
            out.Put(s);
        }
        if (countAt) memcpy(countAt, &count, sizeof count);
    }
}

bool Particulas::RestoreState(StateReader& in, Bicho* const* creatures, int creatureCount) {
    float header[4];
    if (!in.Get(header)) return false;
    // Checked whole before anything changes.
    StateReader check = in;
    int32_t total = 0;
    for (int l = 0; l < 3; ++l) {
        int32_t count = -1;
        check.Get(count);
        if (count < 0 || count > kMaxRecords) check.Fail();
        check.Slice(sizeof(SavedParticle) * static_cast<size_t>(count < 0 ? 0 : count));
        total += count < 0 ? 0 : count;
    }
    if (!check.Ok() || total > kMaxRecords) {
        in.Fail();
        return false;
    }
    tintR_ = header[0];
    tintG_ = header[1];
    tintB_ = header[2];
    floor_ = header[3];
    for (Particula** list : {&bleeding_, &back_, &front_}) {
        int32_t count = 0;
        in.Get(count);
        StateReader records = in.Slice(sizeof(SavedParticle) * static_cast<size_t>(count));
        // The list's records are overwritten in order; a shorter list takes
        // records at its end, a longer one gives back the rest.
        Particula** link = list;
        Particula* last = nullptr;
        for (int32_t i = 0; i < count; ++i) {
            SavedParticle s;
            records.Get(s);
            Particula* p = *link;
            if (!p) {
                p = TakeAfter(list, last);
                if (!p) break;
            }
            p->x = s.x;
            p->y = s.y;
            p->vx = s.vx;
            p->vy = s.vy;
            p->w = s.w;
            p->h = s.h;
            p->radius = s.radius;
            p->angle = s.angle;
            p->kind = s.kind;
            p->lifeTotal = s.lifeTotal;
            p->lifeLeft = s.lifeLeft;
            p->fade = s.fade;
            p->hit = s.hit != 0;
            p->owner = s.owner >= 0 && s.owner < creatureCount ? creatures[s.owner] : nullptr;
            last = p;
            link = &p->next;
        }
        while (*link) Release(list, *link);
    }
    return in.Ok();
}
