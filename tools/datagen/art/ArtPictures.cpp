// Pictures that are exactly one SVG drawing each: rasterised at their size
// and keyed or composed as the game loads them.
#include "tools/datagen/art/ArtPictures.h"

#include "tools/datagen/BmpWriter.h"
#include "tools/datagen/DataGroup.h"
#include "tools/datagen/art/Canvas.h"

const std::vector<ArtPicture>& PlainArtPictures() {
    static const std::vector<ArtPicture> pictures = {
        // particles, in the order the particle system loads them
        {"bmp\\sangre256.bmp", "art/sangre256.svg", 128, 128, Keying::kMagenta},
        {"bmp\\charco256.bmp", "art/charco256.svg", 256, 128, Keying::kMagenta},
        {"bmp\\star.bmp", "art/star.svg", 128, 128, Keying::kBlack},
        {"bmp\\sunflare.bmp", "art/sunflare.svg", 256, 256, Keying::kBlack},
        {"bmp\\bolafuego.bmp", "art/bolafuego.svg", 128, 128, Keying::kMagenta},
        {"bmp\\circle.bmp", "art/circle.svg", 128, 128, Keying::kBlack},
        {"bmp\\Charcokk.bmp", "art/Charcokk.svg", 256, 128, Keying::kMagenta},
        {"bmp\\Gotakk.bmp", "art/Gotakk.svg", 64, 64, Keying::kMagenta},
        {"bmp\\Escupitajo.bmp", "art/Escupitajo.svg", 128, 128, Keying::kBlack},
        {"bmp\\Espada.bmp", "art/Espada.svg", 256, 64, Keying::kMagenta},
        {"bmp\\perdigona.bmp", "art/perdigona.svg", 64, 64, Keying::kMagenta},
        {"bmp\\caparazon.bmp", "art/caparazon.svg", 128, 128, Keying::kMagenta},
        {"bmp\\huevo.bmp", "art/huevo.svg", 64, 64, Keying::kMagenta},
        {"bmp\\cabpalo.bmp", "art/cabpalo.svg", 256, 64, Keying::kMagenta},
        {"bmp\\humo.bmp", "art/humo.svg", 128, 128, Keying::kBlack},
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
    };
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
