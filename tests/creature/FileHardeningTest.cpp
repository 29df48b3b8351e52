// Broken creature files: each is logged, never crashes, never hangs, and
// leaves a creature that can be drawn and released.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>
#include <functional>

#include "sdk/Bicho.h"
#include "creature/QvlProblems.h"
#include "creature/QvlRead.h"
#include "creature/QvlReader.h"
#include "creature/QvlTextures.h"
#include "support/testing/NullRenderer.h"
#include "tests/creature/TestSupport.h"

namespace {

std::string SavedSample() {
    Bicho* c = NewCreature();
    c->SetName("CORTADO");
    c->SetPictureB(MakeTexture(3, 3, 4, 2));
    AddTestAnimation(c, "ANI_BASE1", "", 2);
    AddTestAnimation(c, "ANI_B", "acciones", 2);
    EXPECT_EQ(0, c->Save("sample.qvl"));
    FreeCreature(c);
    return ReadFileBytes("sample.qvl");
}

void LoadSurvives(const std::string& bytes, QvlMode mode) {
    WriteFileBytes("broken.qvl", bytes);
    Renderer* r = TestRenderer();
    int before = r->CountTextures();
    Bicho* c = NewCreature();
    ReadQvl(*c, "broken.qvl", mode, nullptr);
    c->Draw(0, 0, 0.01f);
    c->Update(0, 0.01f);
    FreeCreature(c);
    EXPECT_EQ(before, r->CountTextures()) << "size " << bytes.size();
}

TEST(CreatureFileHardening, EveryTruncationLoadsAndReleasesCleanly) {
    std::string whole = SavedSample();
    for (size_t n = 0; n < whole.size(); n += (n < 400 ? 1 : 37)) {
        LoadSurvives(whole.substr(0, n), QvlMode::kWhole);
        LoadSurvives(whole.substr(0, n), QvlMode::kPreview);
    }
}

TEST(CreatureFileHardening, EverySingleByteFlipIsSurvived) {
    std::string whole = SavedSample();
    for (size_t i = 0; i < whole.size(); i += 3) {
        std::string broken = whole;
        broken[i] = static_cast<char>(broken[i] ^ 0xff);
        LoadSurvives(broken, i % 2 ? QvlMode::kWhole : QvlMode::kPreview);
    }
}

// Offset of the first occurrence of an int32 value.
size_t FindInt(const std::string& bytes, int value, size_t from = 0) {
    std::string needle;
    PutInt(needle, value);
    return bytes.find(needle, from);
}

int GetInt(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return static_cast<int>(v);
}

// The texture table of a one-animation file named "ANI_BASE1" with an empty
// kind: it starts where the animation block ends.
size_t TableStart(const std::string& bytes) {
    std::string name;
    PutString(name, "ANI_BASE1");
    size_t block = bytes.find(name) - 5 - 20;
    return static_cast<size_t>(GetInt(bytes, block + 4));
}

void SetInt(std::string& bytes, size_t at, int value) {
    std::string v;
    PutInt(v, value);
    bytes.replace(at, 4, v);
}

TEST(CreatureFileHardening, AbsurdTextureSizeIsRefusedWithALogLine) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 1, 0, 16);
    ASSERT_EQ(0, c->Save("absurd.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("absurd.qvl");
    // The texture block: tag 6, end, handle, width 16, height 16, bpp 4.
    size_t tag = static_cast<size_t>(GetInt(bytes, TableStart(bytes) + 4));
    ASSERT_EQ(6, GetInt(bytes, tag));
    size_t width = tag + 12;
    ASSERT_EQ(FindInt(bytes, 16, width), width);
    SetInt(bytes, width, 100000);
    WriteFileBytes("absurd.qvl", bytes);

    Bicho* l = NewCreature();
    NewLogText();
    ASSERT_EQ(0, l->Load("absurd.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("textura rechazada 100000x16x4"));
    ASSERT_NE(nullptr, l->currentFrame);
    EXPECT_EQ(0, l->currentFrame->texture);
    FreeCreature(l);
}

TEST(CreatureFileHardening, SizeThatDisagreesWithTheDataIsRefused) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 1, 0, 16);
    ASSERT_EQ(0, c->Save("disagree.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("disagree.qvl");
    size_t tag = static_cast<size_t>(GetInt(bytes, TableStart(bytes) + 4));
    ASSERT_EQ(6, GetInt(bytes, tag));
    SetInt(bytes, tag + 16, 32);  // height 32: the data holds only 16 rows
    WriteFileBytes("disagree.qvl", bytes);
    Bicho* l = NewCreature();
    NewLogText();
    ASSERT_EQ(0, l->Load("disagree.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("textura rechazada 16x32x4"));
    FreeCreature(l);
}

TEST(CreatureFileHardening, LongStringsAreCut) {
    std::string longName(1000, 'N');
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 1);
    ASSERT_EQ(0, c->Save("long.qvl"));
    FreeCreature(c);
    // Replace the animation name by a 1000-byte one and fix nothing else:
    // the reader must cut it and still find the frame after it.
    std::string bytes = ReadFileBytes("long.qvl");
    std::string shortName;
    PutString(shortName, "ANI_BASE1");
    std::string replacement;
    PutString(replacement, longName.c_str());
    size_t at = bytes.find(shortName);
    ASSERT_NE(std::string::npos, at);
    bytes.replace(at, shortName.size(), replacement);
    WriteFileBytes("long.qvl", bytes);
    Bicho* l = NewCreature();
    ASSERT_EQ(0, l->Load("long.qvl"));
    ASSERT_NE(nullptr, l->currentAnimation);
    EXPECT_EQ(255u, strlen(l->currentAnimation->name));
    EXPECT_EQ(1, l->CountFrames());
    FreeCreature(l);
}

TEST(CreatureFileHardening, BackwardBlockEndsDoNotHangThePreview) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 1);
    AddTestAnimation(c, "ANI_B", "", 1);
    AddTestAnimation(c, "ANI_C", "", 1);
    ASSERT_EQ(0, c->Save("loop.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("loop.qvl");
    std::string name;
    PutString(name, "ANI_B");
    size_t at = bytes.find(name);
    ASSERT_NE(std::string::npos, at);
    // The second animation block starts 20 bytes before its kind string
    // (tag, end, three values) and one empty kind string before its name.
    size_t block = at - 4 - 1 - 20;
    ASSERT_EQ(FindInt(bytes, 2, block), block);
    SetInt(bytes, block + 4, static_cast<int>(block));  // end points at its own start
    WriteFileBytes("loop.qvl", bytes);
    Bicho* l = NewCreature();
    ASSERT_EQ(0, l->LoadPiece("loop.qvl"));
    EXPECT_EQ(1, l->animationCount);
    FreeCreature(l);
}

TEST(CreatureFileHardening, BrokenTableLeavesNoForeignHandles) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 2);
    ASSERT_EQ(0, c->Save("notable.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("notable.qvl");
    size_t table = TableStart(bytes);
    ASSERT_EQ(5, GetInt(bytes, table));
    SetInt(bytes, table, 9);
    WriteFileBytes("notable.qvl", bytes);
    TextureHandle foreign = MakeTexture(2, 2, 3, 4);
    Bicho* l = NewCreature();
    NewLogText();
    ASSERT_EQ(0, l->Load("notable.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("no es del tipo Tabla"));
    for (const Frame* f = l->currentAnimation->firstFrame; f; f = f->next)
        EXPECT_EQ(0, f->texture);
    FreeCreature(l);
    EXPECT_EQ(2u * 2 * 3, TexturePixels(foreign).size());  // not released by the creature
    TestRenderer()->ReleaseTexture(foreign);
}

// Everything a read reports, one line per problem.
class Problems : public QvlObserver {
public:
    void Problem(const char* text) override { lines.push_back(text); }
    int Count(const char* part) const {
        int n = 0;
        for (const std::string& line : lines) n += line.find(part) != std::string::npos;
        return n;
    }
    std::string All() const {
        std::string all;
        for (const std::string& line : lines) all += line;
        return all;
    }
    std::vector<std::string> lines;
};

// Where the fields of a saved texture block lie.
struct TextureBlock {
    size_t tag, width, height, bpp, name, packedSize, packed;
    int stored;
};

TextureBlock TextureAt(const std::string& bytes, size_t tag) {
    TextureBlock b;
    b.tag = tag;
    b.width = tag + 12;
    b.height = tag + 16;
    b.bpp = tag + 20;
    b.name = tag + 28;
    b.packedSize = b.name + 4 + static_cast<size_t>(GetInt(bytes, b.name));
    b.packed = b.packedSize + 4;
    b.stored = GetInt(bytes, b.packedSize);
    return b;
}

// A one-frame creature with one 16x16x4 texture and a 3x3x4 picture B,
// and its texture block.
std::string OneTexture(TextureBlock* block) {
    Bicho* c = NewCreature();
    c->SetPictureB(MakeTexture(3, 3, 4, 2));
    AddTestAnimation(c, "ANI_BASE1", "", 1, 0, 16);
    EXPECT_EQ(0, c->Save("one.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("one.qvl");
    *block = TextureAt(bytes, static_cast<size_t>(GetInt(bytes, TableStart(bytes) + 4)));
    EXPECT_EQ(6, GetInt(bytes, block->tag));
    return bytes;
}

struct Loaded {
    Problems problems;
    int frameTexture = -1;
    int animations = 0;
    bool pictureB = false;
};

// Reads the bytes whole into a creature of `renderer` and gives back what
// came of them; every texture of the load must be released again.
Loaded ReadBack(const std::string& bytes, Renderer* renderer = nullptr) {
    Loaded out;
    WriteFileBytes("mutant.qvl", bytes);
    Renderer* r = renderer ? renderer : TestRenderer();
    int before = TestRenderer()->CountTextures();
    Bicho* c = CreateBicho();
    c->Init(nullptr, r, nullptr, nullptr, nullptr, nullptr);
    ReadQvl(*c, "mutant.qvl", QvlMode::kWhole, &out.problems);
    out.frameTexture = c->currentFrame ? c->currentFrame->texture : -1;
    out.animations = c->animationCount;
    out.pictureB = c->HasPictureB();
    FreeCreature(c);
    EXPECT_EQ(before, TestRenderer()->CountTextures());
    return out;
}

TEST(CreatureFileHardening, TexturesThatDoNotInflateToTheirSizeAreRefusedOnce) {
    struct Case {
        const char* what;
        std::function<void(std::string&, const TextureBlock&)> mutate;
        const char* line;
    };
    const Case cases[] = {
        {"largest size from four bytes",
         [](std::string& f, const TextureBlock& b) {
             SetInt(f, b.width, 4096);
             SetInt(f, b.height, 4096);
             SetInt(f, b.packedSize, 4);
             f.replace(b.packed, std::string::npos, "\x78\x9c\x00\x01", 4);
         },
         "textura rechazada 4096x4096x4"},
        {"shorter stream", [](std::string& f, const TextureBlock& b) { SetInt(f, b.width, 64); },
         "textura rechazada 64x16x4"},
        {"longer stream", [](std::string& f, const TextureBlock& b) { SetInt(f, b.height, 8); },
         "textura rechazada 16x8x4"},
        {"broken header",
         [](std::string& f, const TextureBlock& b) { f[b.packed] = 0; },
         "Descompresion de textura fallida"},
        {"stream cut before its end",
         [](std::string& f, const TextureBlock& b) {
             SetInt(f, b.packedSize, b.stored - 6);
             f.resize(f.size() - 6);
         },
         "Descompresion de textura fallida"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        TextureBlock block;
        std::string bytes = OneTexture(&block);
        k.mutate(bytes, block);
        Loaded l = ReadBack(bytes);
        EXPECT_EQ(1u, l.problems.lines.size()) << l.problems.All();
        EXPECT_EQ(1, l.problems.Count(k.line)) << l.problems.All();
        EXPECT_EQ(0, l.frameTexture);
    }
}

TEST(CreatureFileHardening, InflationNeverReservesMoreThanTheStreamYields) {
    std::vector<unsigned char> plain(100000, 7);
    uLongf room = compressBound(plain.size());
    std::vector<unsigned char> packed(room);
    ASSERT_EQ(Z_OK, compress2(packed.data(), &room, plain.data(), plain.size(), 6));
    struct Case {
        size_t claimed;
        QvlInflated expected;
    };
    for (Case k : {Case{64u << 20, QvlInflated::kShort}, Case{100000, QvlInflated::kExact},
                   Case{99999, QvlInflated::kLong}, Case{300000, QvlInflated::kShort}}) {
        std::vector<unsigned char> out;
        EXPECT_EQ(k.expected, QvlInflate(packed.data(), room, k.claimed, out)) << k.claimed;
        EXPECT_LE(out.capacity(), 1u << 20) << k.claimed;
        if (k.expected == QvlInflated::kExact) {
            EXPECT_EQ(plain, out);
        }
    }
}

TEST(CreatureFileHardening, AFileDecodesNoMorePixelsThanItsBudget) {
    // Two raw 16x16x4 records against a budget of one and a half.
    std::string f;
    for (int i = 0; i < 2; ++i) {
        for (int v : {1, 16, 16, 4, 0}) PutInt(f, v);
        PutString(f, "pixels");
        f.append(1024, static_cast<char>(i));
    }
    PutInt(f, 77);
    WriteFileBytes("budget.qvl", f);
    QvlReader reader(fopen("budget.qvl", "rb"));
    Problems seen;
    QvlProblems problems(&seen);
    QvlTextureScratch scratch;
    scratch.budget = 1536;
    TextureHandle made[2];
    for (TextureHandle& handle : made) {
        QvlTextureRecord record;
        record.tag = 4;
        ReadTextureHead(reader, record);
        ASSERT_TRUE(ReadTextureBody(reader, TestRenderer(), record, true, problems, scratch));
        handle = record.created;
    }
    EXPECT_NE(0u, made[0]);
    EXPECT_EQ(0u, made[1]);
    EXPECT_EQ(1, seen.Count("el fichero pasa de 134217728 bytes de pixels")) << seen.All();
    EXPECT_EQ(77, reader.Int());  // the refused body was skipped, not lost
    TestRenderer()->ReleaseTexture(made[0]);
}

TEST(CreatureFileHardening, OnlyThreeOrFourBytesPerPixelMakeATexture) {
    struct Case {
        const char* what;
        std::function<void(std::string&, const TextureBlock&)> mutate;
        const char* line;
        Renderer* renderer;
    };
    static NullRenderer refusing;  // creates nothing
    // Picture B's width: after the header, the block's tag and end, six
    // floats, three absent names, the two picture bytes and its handle.
    auto picture = [](const std::string& f) {
        return 4 + static_cast<size_t>(GetInt(f, 0)) + 8 + 24 + 12 + 2 + 4;
    };
    const Case cases[] = {
        {"packed, 2 bytes a pixel",
         [](std::string& f, const TextureBlock& b) {
             SetInt(f, b.width, 32);
             SetInt(f, b.bpp, 2);
         },
         "textura rechazada 32x16x2", nullptr},
        {"raw picture, 1 byte a pixel",
         [picture](std::string& f, const TextureBlock&) {
             size_t width = picture(f);
             ASSERT_EQ(3, GetInt(f, width + 4));
             SetInt(f, width, 12);
             SetInt(f, width + 8, 1);
         },
         "textura rechazada 12x3x1", nullptr},
        {"renderer that refuses", [](std::string&, const TextureBlock&) {},
         "el renderer no ha creado la textura 16x16x4", &refusing},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        TextureBlock block;
        std::string bytes = OneTexture(&block);
        k.mutate(bytes, block);
        Loaded l = ReadBack(bytes, k.renderer);
        EXPECT_EQ(1, l.problems.Count(k.line)) << l.problems.All();
        // The record is passed over and the rest of the file still loads.
        EXPECT_EQ(1, l.animations);
        EXPECT_EQ(0, l.problems.Count("cortado o roto")) << l.problems.All();
    }
}

// A creature of two frames with textures of their own and the offset of the
// table entry that leads to the second block.
std::string TwoFrames(size_t* secondEntry) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 2);
    EXPECT_EQ(0, c->Save("two.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("two.qvl");
    size_t table = TableStart(bytes);
    int count = GetInt(bytes, table + 8);
    for (int i = 0; i < count; ++i)
        if (GetInt(bytes, table + 12 + 4 * i) == 1) *secondEntry = table + 12 + 4 * i;
    return bytes;
}

TEST(CreatureFileHardening, EachTextureBlockServesOneTableEntry) {
    struct Case {
        int entry;
        const char* line;
    };
    for (Case k : {Case{0, "a un bloque ya usado, 0"}, Case{2, "al bloque 2, que no existe"},
                   Case{-3, "al bloque -3, que no existe"}}) {
        SCOPED_TRACE(k.entry);
        size_t second = 0;
        std::string bytes = TwoFrames(&second);
        ASSERT_NE(0u, second);
        SetInt(bytes, second, k.entry);
        WriteFileBytes("table.qvl", bytes);
        int before = TestRenderer()->CountTextures();
        Problems seen;
        Bicho* c = NewCreature();
        ReadQvl(*c, "table.qvl", QvlMode::kWhole, &seen);
        EXPECT_EQ(1u, seen.lines.size()) << seen.All();
        EXPECT_EQ(1, seen.Count(k.line)) << seen.All();
        Frame* first = c->animations->firstFrame;
        EXPECT_EQ(8u * 8 * 4, TexturePixels(first->texture).size());
        EXPECT_EQ(0, first->next->texture);  // never the first frame's picture
        FreeCreature(c);
        EXPECT_EQ(before, TestRenderer()->CountTextures());
    }
}

TEST(CreatureFileHardening, EveryCutStringIsReported) {
    const std::string kind(5000, 'K');
    const std::string name(300, 'N');
    const std::string texture(1000, 'T');
    Bicho* c = NewCreature();
    TextureHandle t = MakeTexture(4, 4, 4, 1, "tex");
    AddTestAnimation(c, "ANI_BASE1", "x", 1, t);
    ASSERT_EQ(0, c->Save("cut.qvl"));
    FreeCreature(c);
    TestRenderer()->ReleaseTexture(t);
    std::string bytes = ReadFileBytes("cut.qvl");
    // The writer cuts what it writes, so the long texts are put in by hand.
    struct Swap {
        const char* from;
        const std::string& to;
    };
    for (Swap s : {Swap{"x", kind}, Swap{"ANI_BASE1", name}, Swap{"tex", texture}}) {
        std::string a, b;
        PutString(a, s.from);
        PutString(b, s.to.c_str());
        size_t at = bytes.find(a);
        ASSERT_NE(std::string::npos, at) << s.from;
        bytes.replace(at, a.size(), b);
    }
    WriteFileBytes("cut.qvl", bytes);
    for (QvlMode mode : {QvlMode::kWhole, QvlMode::kPreview}) {
        Problems seen;
        Bicho* l = NewCreature();
        ReadQvl(*l, "cut.qvl", mode, &seen);
        EXPECT_EQ(3u, seen.lines.size()) << seen.All();
        for (const char* line : {"texto de 5001 bytes cortado a 255", "texto de 301 bytes",
                                 "texto de 1001 bytes"})
            EXPECT_EQ(1, seen.Count(line)) << seen.All();
        EXPECT_NE(0, l->currentFrame->texture);
        FreeCreature(l);
    }
}

TEST(CreatureFileHardening, AFloodOfProblemsIsLoggedWithACountOfTheRest) {
    Problems seen;
    NewLogText();
    {
        QvlProblems problems(&seen);
        for (int i = 0; i < kQvlLoggedProblems + 5; ++i) problems.Report("fallo %d\n", i);
    }
    std::string log = NewLogText();
    EXPECT_EQ(kQvlLoggedProblems + 5u, seen.lines.size());
    EXPECT_NE(std::string::npos, log.find("fallo " + std::to_string(kQvlLoggedProblems - 1)));
    EXPECT_EQ(std::string::npos, log.find("fallo " + std::to_string(kQvlLoggedProblems) + "\n"));
    EXPECT_NE(std::string::npos, log.find("Carga de datos, 5 problemas mas sin anotar\n"));
}

TEST(CreatureFileHardening, ACutAmongTheTexturesIsLoggedOnce) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 4);
    ASSERT_EQ(0, c->Save("cut4.qvl"));
    FreeCreature(c);
    std::string whole = ReadFileBytes("cut4.qvl");
    for (size_t n = TableStart(whole) + 4; n < whole.size(); n += 7) {
        Loaded l = ReadBack(whole.substr(0, n));
        EXPECT_EQ(1u, l.problems.lines.size()) << n << l.problems.All();
        EXPECT_EQ(1, l.problems.Count("cortado o roto")) << n;
    }
}

}  // namespace
