// Reading of creature files: the current layout (whole or preview) and the
// old untagged one. A broken file never stops a load: what was read stays,
// frames whose texture cannot be resolved draw with texture 0.
#include "creature/QvlRead.h"

#include <cstdlib>
#include <cstring>
#include <set>

#include "base/Log.h"
#include "sdk/Bicho.h"
#include "creature/QvlFormat.h"
#include "creature/QvlProblems.h"
#include "creature/QvlReader.h"
#include "creature/QvlTextures.h"
#include "base/Files.h"

namespace {

// A table entry that names no usable block; it still stands for one block.
const int kNoBlock = -2;

struct BlockStart {
    long start;
    int32_t tag;
    int32_t end;
};

BlockStart ReadBlockStart(QvlReader& reader) {
    BlockStart block;
    block.start = reader.Tell();
    block.tag = reader.Int();
    block.end = reader.Int();
    return block;
}

// A block of the wrong kind is left for the next reader to look at.
void PutBack(QvlReader& reader, const BlockStart& block) {
    if (reader.Ok()) reader.Seek(block.start);
}

// The end offset of a block may only move forward and stay inside the file.
bool SkipTo(QvlReader& reader, const BlockStart& block) {
    if (block.end <= block.start || block.end > reader.Size()) {
        reader.Fail();
        return false;
    }
    return reader.Seek(block.end);
}

// Buffers the loads of one thread hand on to each other: a screen that loads
// many creatures in a row reuses warm memory instead of paging in fresh
// buffers for every file. What is kept stays small.
struct KeptBuffers {
    static constexpr size_t kMostKept = 4u << 20;
    std::vector<unsigned char> packed;
    std::vector<unsigned char> pixels;
};

KeptBuffers& Kept() {
    thread_local KeptBuffers kept;
    return kept;
}

void KeepAtMost(std::vector<unsigned char>& buffer) {
    if (buffer.capacity() > KeptBuffers::kMostKept) std::vector<unsigned char>().swap(buffer);
}

class Loader {
public:
    Loader(Bicho& creature, QvlReader& reader, QvlObserver* observer)
        : c_(creature), reader_(reader), observer_(observer), problems_(observer) {
        scratch_.packed.swap(Kept().packed);
        scratch_.pixels.swap(Kept().pixels);
    }
    ~Loader() {
        KeepAtMost(scratch_.packed);
        KeepAtMost(scratch_.pixels);
        scratch_.packed.swap(Kept().packed);
        scratch_.pixels.swap(Kept().pixels);
    }
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;

    void ReadCurrent(QvlMode mode);
    void ReadOld();

private:
    void ReadDataBlock();
    void ReadPicture(int which);
    // Reads one animation block with its frames; false when it was not one.
    bool ReadAnimation(int32_t* more);
    void SkipAnimations(int32_t more);
    void ReadFrames(bool keep);
    bool ReadTable(std::vector<int>& map);
    void ReadTextures(const std::vector<int>& map, QvlMode mode);
    void Remap(const std::vector<int>& map);
    void ReadOldAnimations();
    void ReadOldTextures();
    void SelectFirst();
    void Truncated();
    void ReportCuts();
    void ReleaseUnused();

    Bicho& c_;
    QvlReader& reader_;
    QvlObserver* observer_;
    QvlProblems problems_;
    std::vector<Frame*> frames_;  // frames of this load, in reading order
    std::vector<int> stored_;     // their stored handles
    std::vector<int> created_;    // new handles, in reading order
    QvlTextureScratch scratch_;
};

void Loader::Truncated() {
    problems_.Report("     Bicho: Carga de datos, el fichero esta cortado o roto en %ld\n",
                     reader_.Tell());
}

void Loader::ReportCuts() {
    for (const QvlReader::Cut& cut : reader_.TakeCuts())
        problems_.Report("     Bicho: Carga de datos, texto de %d bytes cortado a %d en %ld\n",
                         cut.length, kQvlStringBuffer - 1, cut.offset);
}

void Loader::ReadPicture(int which) {
    QvlTextureRecord record;
    ReadTextureHead(reader_, record);
    if (!ReadTextureBody(reader_, c_.renderer, record, true, problems_, scratch_)) return;
    if (observer_) observer_->Picture(which, record);
    if (!record.created) return;
    if (which == 0)
        c_.SetPictureA(record.created);
    else
        c_.SetPictureB(record.created);
}

void Loader::ReadDataBlock() {
    BlockStart block = ReadBlockStart(reader_);
    if (block.tag != kTagData) {
        problems_.Report("     Bicho: Carga de datos, no es del tipo Bloque de datos\n");
        PutBack(reader_, block);
        return;
    }
    c_.x = reader_.Float();
    c_.y = reader_.Float();
    c_.velocityX = reader_.Float();
    c_.velocityY = reader_.Float();
    c_.extraA = reader_.Float();
    c_.extraB = reader_.Float();
    char** names[3] = {&c_.name, &c_.name2, &c_.name3};
    for (char** slot : names) {
        char* text = reader_.OwnedString();
        delete[] *slot;
        *slot = text;
    }
    if (reader_.Byte() != 0) ReadPicture(0);
    if (reader_.Byte() != 0) ReadPicture(1);
}

void Loader::ReadFrames(bool keep) {
    for (;;) {
        BlockStart block = ReadBlockStart(reader_);
        if (!reader_.Ok()) return;
        if (block.tag != kTagFrame) {
            problems_.Report("     Bicho: Carga de datos, no es del tipo Frame\n");
            PutBack(reader_, block);
            return;
        }
        float v[17];
        float* out = v;
        *out++ = reader_.Float();  // anchor
        *out++ = reader_.Float();
        int texture = reader_.Int();
        for (int i = 0; i < 15; ++i) *out++ = reader_.Float();  // sprite, body, hit, hot, duration
        int32_t more = reader_.Int();
        if (!reader_.Ok()) return;
        if (observer_) observer_->FrameHandle(texture);
        if (keep && c_.AddFrame(v[0], v[1], texture, v[2], v[3], v[4], v[5], v[6], v[7], v[8],
                                v[9], v[10], v[11], v[12], v[13], v[14], v[15], v[16]) == 0) {
            frames_.push_back(c_.currentFrame);
            stored_.push_back(texture);
        }
        if (more == 0) return;
    }
}

bool Loader::ReadAnimation(int32_t* more) {
    BlockStart block = ReadBlockStart(reader_);
    if (!reader_.Ok()) return false;
    if (block.tag != kTagAnimation) {
        problems_.Report("     Bicho: Carga de datos, no es del tipo Anima\n");
        PutBack(reader_, block);
        return false;
    }
    int valueA = reader_.Int(), valueB = reader_.Int(), valueC = reader_.Int();
    char kind[kQvlStringBuffer], animationName[kQvlStringBuffer];
    reader_.String(kind, sizeof kind);
    reader_.String(animationName, sizeof animationName);
    *more = reader_.Int();
    if (!reader_.Ok()) return false;
    // A repeated name would pour its frames into another animation.
    bool added = c_.AddAnimation(valueA, valueB, valueC, kind, animationName) == 0;
    if (!added)
        problems_.Report("     Bicho: Carga de datos, animacion repetida: %s\n", animationName);
    ReadFrames(added);
    return true;
}

void Loader::SkipAnimations(int32_t more) {
    while (more != 0 && reader_.Ok()) {
        BlockStart block = ReadBlockStart(reader_);
        if (!reader_.Ok()) return;
        if (block.tag != kTagAnimation) {
            problems_.Report("     Bicho: Carga de datos, no es del tipo Anima\n");
            PutBack(reader_, block);
            return;
        }
        char text[kQvlStringBuffer];
        reader_.Int();
        reader_.Int();
        reader_.Int();
        reader_.String(text, sizeof text);
        reader_.String(text, sizeof text);
        more = reader_.Int();
        if (!reader_.Ok()) return;
        SkipTo(reader_, block);
    }
}

bool Loader::ReadTable(std::vector<int>& map) {
    BlockStart block = ReadBlockStart(reader_);
    if (!reader_.Ok()) return false;
    if (block.tag != kTagTable) {
        problems_.Report("     Bicho: Carga de datos, no es del tipo Tabla\n");
        return false;
    }
    int32_t count = reader_.Int();
    if (!reader_.Ok() || count < 0 || count > reader_.Remaining() / 4 || count > kQvlMaxHandles) {
        reader_.Fail();
        return false;
    }
    map.resize(static_cast<size_t>(count));
    for (int& entry : map) entry = reader_.Int();
    if (!reader_.Ok()) return false;
    if (observer_) observer_->Table(map);
    // Every entry but -1 stands for one block in the file. Each block may be
    // named once: a second name, or one past the blocks, would draw another
    // frame's picture, so such a handle leads to no texture.
    int blocks = 0;
    for (int entry : map) blocks += entry != -1;
    std::vector<bool> named(static_cast<size_t>(blocks), false);
    for (size_t handle = 0; handle < map.size(); ++handle) {
        int& entry = map[handle];
        if (entry == -1) continue;
        if (entry < 0 || entry >= blocks) {
            problems_.Report(
                "     Bicho: Carga de datos, la tabla lleva la textura %zu al bloque %d, que no "
                "existe\n",
                handle, entry);
            entry = kNoBlock;
        } else if (named[entry]) {
            problems_.Report(
                "     Bicho: Carga de datos, la tabla lleva la textura %zu a un bloque ya "
                "usado, %d\n",
                handle, entry);
            entry = kNoBlock;
        } else {
            named[entry] = true;
        }
    }
    return true;
}

void Loader::ReadTextures(const std::vector<int>& map, QvlMode mode) {
    std::set<int> wanted;  // block positions a kept frame refers to
    if (mode == QvlMode::kPreview) {
        for (int handle : stored_)
            if (handle >= 0 && static_cast<size_t>(handle) < map.size() && map[handle] >= 0)
                wanted.insert(map[handle]);
    }
    int position = 0;
    for (int entry : map) {
        if (entry == -1) continue;
        if (!reader_.Ok()) return;
        bool decode = mode == QvlMode::kWhole || wanted.count(position) != 0;
        ++position;
        BlockStart block = ReadBlockStart(reader_);
        if (!reader_.Ok()) return;
        if (block.tag != kTagPackedTexture && block.tag != kTagRawTexture) {
            problems_.Report("     Bicho: Carga de datos, no es del tipo Textura\n");
            PutBack(reader_, block);
            created_.push_back(-1);
            continue;
        }
        QvlTextureRecord record;
        record.tag = block.tag;
        if (!decode) {
            if (observer_) observer_->Texture(position - 1, record);
            SkipTo(reader_, block);
            created_.push_back(-1);
            continue;
        }
        ReadTextureHead(reader_, record);
        if (!ReadTextureBody(reader_, c_.renderer, record, true, problems_, scratch_))
            return;
        if (observer_) observer_->Texture(position - 1, record);
        created_.push_back(record.created ? static_cast<int>(record.created) : -1);
    }
}

// Frames of this load get their new textures; one that cannot be resolved
// gets 0 rather than a handle that belongs to someone else.
void Loader::Remap(const std::vector<int>& map) {
    for (size_t i = 0; i < frames_.size(); ++i) {
        int handle = stored_[i];
        int texture = 0;
        bool inTable = handle >= 0 && static_cast<size_t>(handle) < map.size() &&
                       map[handle] != -1;
        if (inTable && map[handle] >= 0 && static_cast<size_t>(map[handle]) < created_.size() &&
            created_[map[handle]] > 0)
            texture = created_[map[handle]];
        // A handle the table does not name is a fault of the file. In a cut
        // file the blocks it names were never reached: the cut is logged once.
        if (!inTable && !map.empty() && reader_.Ok())
            problems_.Report("     Bicho: Carga de datos, frame con textura %d fuera de la tabla\n",
                             handle);
        frames_[i]->texture = texture;
    }
}

// Textures of the file that no frame ended up with would never be released.
void Loader::ReleaseUnused() {
    if (!c_.renderer) return;
    std::set<int> used;
    for (Frame* frame : frames_) used.insert(frame->texture);
    for (int handle : created_)
        if (handle > 0 && used.insert(handle).second)
            c_.renderer->ReleaseTexture(static_cast<TextureHandle>(handle));
}

void Loader::SelectFirst() {
    c_.currentAnimation = c_.animations;
    c_.currentFrame = c_.animations ? c_.animations->firstFrame : nullptr;
    if (c_.currentFrame) c_.frameTimer = c_.currentFrame->duration;
}

void Loader::ReadCurrent(QvlMode mode) {
    int32_t length = reader_.Int();
    reader_.Seek(4L + length);
    ReadDataBlock();
    int32_t more = 0;
    bool read = ReadAnimation(&more);
    if (mode == QvlMode::kWhole) {
        while (read && more != 0 && reader_.Ok()) read = ReadAnimation(&more);
    } else if (read) {
        SkipAnimations(more);
    }
    std::vector<int> map;
    if (reader_.Ok() && ReadTable(map)) ReadTextures(map, mode);
    ReportCuts();
    if (!reader_.Ok()) Truncated();
    Remap(map);
    ReleaseUnused();
    SelectFirst();
}

void Loader::ReadOldAnimations() {
    for (;;) {
        int valueA = reader_.Int(), valueB = reader_.Int(), valueC = reader_.Int();
        char kind[kQvlStringBuffer], animationName[kQvlStringBuffer];
        reader_.String(kind, sizeof kind);
        reader_.String(animationName, sizeof animationName);
        int32_t more = reader_.Int();
        if (!reader_.Ok()) return;
        bool added = c_.AddAnimation(valueA, valueB, valueC, kind, animationName) == 0;
        if (!added)
            problems_.Report("     Bicho: Carga de datos, animacion repetida: %s\n",
                             animationName);
        for (;;) {
            float v[16];
            v[0] = reader_.Float();
            v[1] = reader_.Float();
            int texture = reader_.Int();
            for (int i = 2; i < 15; ++i) v[i] = reader_.Float();  // sprite, body, hit, duration
            int32_t moreFrames = reader_.Int();
            if (!reader_.Ok()) return;
            if (observer_) observer_->FrameHandle(texture);
            if (added && c_.AddFrame(v[0], v[1], texture, v[2], v[3], v[4], v[5], v[6], v[7], v[8],
                                     v[9], v[10], v[11], v[12], v[13], 0.0f, 0.0f, v[14]) == 0) {
                frames_.push_back(c_.currentFrame);
                stored_.push_back(texture);
            }
            if (moreFrames == 0) break;
        }
        if (more == 0) return;
    }
}

void Loader::ReadOldTextures() {
    int32_t count = reader_.Int();
    if (!reader_.Ok() || count < 0) {
        reader_.Fail();
        return;
    }
    std::vector<std::pair<int, int>> pairs;  // saved handle, new handle
    for (int32_t i = 0; i < count && reader_.Ok(); ++i) {
        QvlTextureRecord record;
        record.tag = kTagRawTexture;
        ReadTextureHead(reader_, record);
        if (!ReadTextureBody(reader_, c_.renderer, record, true, problems_, scratch_))
            break;
        if (observer_) observer_->Texture(i, record);
        pairs.emplace_back(record.savedHandle, static_cast<int>(record.created));
        created_.push_back(static_cast<int>(record.created));
    }
    for (size_t i = 0; i < frames_.size(); ++i) {
        int texture = 0;
        for (const auto& pair : pairs) {
            if (pair.first == stored_[i]) {
                texture = pair.second;
                break;
            }
        }
        frames_[i]->texture = texture;
    }
}

void Loader::ReadOld() {
    c_.x = reader_.Float();
    c_.y = reader_.Float();
    c_.velocityX = reader_.Float();
    c_.velocityY = reader_.Float();
    c_.extraA = reader_.Float();
    c_.extraB = reader_.Float();
    ReadOldAnimations();
    if (reader_.Ok()) ReadOldTextures();
    ReportCuts();
    if (!reader_.Ok()) {
        Truncated();
        for (Frame* frame : frames_) frame->texture = 0;
    }
    ReleaseUnused();
    SelectFirst();
}

int HeaderVersion(QvlReader& reader) {
    if (!reader.Seek(0)) return 0;
    int32_t length = reader.Int();
    if (!reader.Ok() || length < 0 || length >= 256 || length > reader.Remaining()) return 0;
    char text[256] = {};
    if (!reader.Bytes(text, static_cast<size_t>(length))) return 0;
    text[255] = '\0';
    if (strncmp(text, kQvlHeaderPrefix, kQvlHeaderPrefixLength) != 0) return 0;
    if (length <= kQvlHeaderPrefixLength + 1) return 0;
    return static_cast<int>(strtol(text + kQvlHeaderPrefixLength + 1, nullptr, 10));
}

}  // namespace

int QvlHeaderVersion(const char* path) {
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return 0;
    QvlReader reader(file);
    return HeaderVersion(reader);
}

int ReadQvl(Bicho& creature, const char* path, QvlMode mode, QvlObserver* observer) {
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return -1;
    QvlReader reader(file);
    LogPrintf("     Bicho: Cargando trozo de bicho: %s\n", path);
    int version = HeaderVersion(reader);
    LogPrintf("     Bicho: Version del bicho: %d\n", version);
    if (observer) observer->Version(version);
    char* copy = new char[strlen(path) + 1];
    memcpy(copy, path, strlen(path) + 1);
    delete[] creature.filePath;
    creature.filePath = copy;
    reader.Seek(0);
    Loader loader(creature, reader, observer);
    if (version == kQvlVersion) {
        loader.ReadCurrent(mode);
    } else if (mode == QvlMode::kPreview) {
        QvlProblems(observer).Report(
            "     Bicho: Se ha intentado cargar un trozo de archivo viejo y eso no es posible\n");
    } else {
        loader.ReadOld();
    }
    return version;
}
