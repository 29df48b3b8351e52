// Pictures that are exactly one SVG drawing each: rasterised at their size
// and keyed or composed as the game loads them.
#include "tools/datagen/art/ArtPictures.h"

#include "effects/ParticlePictures.h"
#include "tools/datagen/RgbImage.h"
#include "tools/datagen/DataGroup.h"
#include "tools/datagen/art/Canvas.h"

namespace {

// The particles' pictures: data/art/<name>.svg; those loaded without the
// colour key are glows on black.
std::vector<ArtPicture> ParticleArtPictures() {
    std::vector<ArtPicture> pictures;
    for (const ParticlePicture& p : kParticlePictures) {
        std::string name(p.file);
        name = name.substr(name.rfind('\\') + 1);
        name = "art/" + name.substr(0, name.rfind('.')) + ".svg";
        pictures.push_back(
            {p.file, name, p.width, p.height, p.keyed ? Keying::kMagenta : Keying::kBlack});
    }
    return pictures;
}

}  // namespace

const std::vector<ArtPicture>& PlainArtPictures() {
    static const std::vector<ArtPicture> pictures = [] {
        std::vector<ArtPicture> list = ParticleArtPictures();
        list.insert(list.end(), {
            // fight marker
            {"bmp\\barra3.bmp", "art/barra3.svg", 512, 512, Keying::kMagenta},
            // menus
            {"bmp\\loflipo.bmp", "art/loflipo.svg", 512, 384, Keying::kOpaque},
            // intro
            {"bmp\\huevohi.bmp", "art/huevohi.svg", 512, 512, Keying::kMagenta},
            {"bmp\\burbuja.bmp", "art/burbuja.svg", 256, 256, Keying::kBlack},
            {"bmp\\cuernos.bmp", "art/cuernos.svg", 256, 256, Keying::kMagenta},
            {"bmp\\rayos.bmp", "art/rayos.svg", 256, 512, Keying::kBlack},
            {"bmp\\Brocanto.bmp", "art/Brocanto.svg", 512, 512, Keying::kMagenta},
            {"bmp\\Truvaldino.bmp", "art/Truvaldino.svg", 512, 512, Keying::kMagenta},
            // credits
            {"bmp\\caricatas.bmp", "art/caricatas.svg", 512, 512, Keying::kMagenta},
            {"bmp\\caricatas2.bmp", "art/caricatas2.svg", 256, 256, Keying::kMagenta},
        });
        return list;
    }();
    return pictures;
}

namespace {

bool WritePlainArt(const OutputFolder& out, const DataSources& sources) {
    bool ok = true;
    for (const ArtPicture& picture : PlainArtPictures()) {
        Canvas canvas(picture.width, picture.height);
        if (!canvas.ok() ||
            !canvas.DrawSvg(sources.Path(picture.source), 0, 0, picture.width, picture.height)) {
            ok = false;
            continue;
        }
        const RgbImage image = picture.keying == Keying::kMagenta ? canvas.Keyed(255, 0, 255)
                                                                  : canvas.Over(0, 0, 0);
        ok = out.Write(picture.file, EncodeBmp24(image)) && ok;
    }
    return ok;
}

}  // namespace

CORRALON_DATA_GROUP(artPictures, "pictures", 20, WritePlainArt);
