#include "plugins/renderer_gl/SpriteQueue.h"

SpriteVertex* SpriteQueue::Append(GLuint texture, BlendKind blend, int count) {
    if (count <= 0) return nullptr;
    const int first = static_cast<int>(vertices_.size());
    if (!runs_.empty() && runs_.back().texture == texture && runs_.back().blend == blend)
        runs_.back().count += count;
    else
        runs_.push_back(SpriteRun{texture, blend, first, count});
    vertices_.resize(vertices_.size() + count);
    return &vertices_[first];
}

void SpriteQueue::Clear() {
    vertices_.clear();
    runs_.clear();
}

bool SpriteQueue::UsesTexture(GLuint texture) const {
    for (const SpriteRun& run : runs_)
        if (run.texture == texture) return true;
    return false;
}
