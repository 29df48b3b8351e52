#include "plugins/renderer_common/TextureTable.h"

#include "plugins/renderer_common/Picture.h"

TextureHandle TextureTable::Add(const unsigned char* pixels, int width, int height,
                                int bytesPerPixel, const char* name, int flag) {
    if (!pixels || (bytesPerPixel != 3 && bytesPerPixel != 4) || width <= 0 || height <= 0 ||
        width > kMaxPictureSide || height > kMaxPictureSide)
        return 0;
    auto entry = std::make_unique<TextureEntry>();
    entry->width = width;
    entry->height = height;
    entry->bytesPerPixel = bytesPerPixel;
    entry->flag = flag;
    entry->name = name ? name : "";
    const size_t size = static_cast<size_t>(width) * height * bytesPerPixel;
    entry->pixels.assign(pixels, pixels + size);

    if (slots_.empty()) slots_.resize(1);
    // Every slot below firstFree_ is taken: filling a table one texture at
    // a time stays linear (a creature may name handles up to a million).
    for (size_t i = firstFree_ > 1 ? firstFree_ : 1; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slots_[i] = std::move(entry);
            firstFree_ = i + 1;
            return static_cast<TextureHandle>(i);
        }
    }
    slots_.push_back(std::move(entry));
    firstFree_ = slots_.size();
    return static_cast<TextureHandle>(slots_.size() - 1);
}

const TextureEntry* TextureTable::Find(TextureHandle handle) const {
    if (handle == 0 || handle >= slots_.size()) return nullptr;
    return slots_[handle].get();
}

bool TextureTable::Release(TextureHandle handle) {
    if (handle == 0 || handle >= slots_.size() || !slots_[handle]) return false;
    slots_[handle].reset();
    if (handle < firstFree_) firstFree_ = handle;
    while (slots_.size() > 1 && !slots_.back()) slots_.pop_back();
    return true;
}

int TextureTable::Count() const {
    return slots_.size() > 1 ? static_cast<int>(slots_.size()) : 0;
}

int TextureTable::Live() const {
    int live = 0;
    for (const auto& slot : slots_) live += slot ? 1 : 0;
    return live;
}

void TextureTable::Clear() {
    slots_.clear();
    firstFree_ = 1;
}
