// libvorbisenc + libogg. The only varying input a Vorbis stream has is its
// serial number, which the caller fixes.
#include "support/music/OggEncoder.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <string>

namespace {

void Append(const ogg_page& page, std::vector<unsigned char>* out) {
    out->insert(out->end(), page.header, page.header + page.header_len);
    out->insert(out->end(), page.body, page.body + page.body_len);
}

// Owns the libvorbis and libogg state so every exit path frees it.
struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool dspReady = false, streamReady = false;

    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (streamReady) ogg_stream_clear(&stream);
        if (dspReady) {
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }

    // Moves every finished packet into pages and the pages into `out`.
    bool Drain(std::vector<unsigned char>* out) {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            if (vorbis_analysis(&block, nullptr) != 0 || vorbis_bitrate_addblock(&block) != 0)
                return false;
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                if (ogg_stream_packetin(&stream, &packet) != 0) return false;
                ogg_page page;
                while (ogg_stream_pageout(&stream, &page) != 0) Append(page, out);
            }
        }
        return true;
    }
};

}  // namespace

bool EncodeOgg(const StereoLoop& loop, int rate, double quality, int serial,
               const std::string& title, std::vector<unsigned char>* out, std::string* error) {
    out->clear();
    // libvorbis quietly clamps a quality it cannot give; refuse it instead.
    if (!(quality >= -0.1 && quality <= 1.0) || rate < 8000 || rate > 192000 || loop.size() == 0) {
        *error = "no Vorbis stream for quality " + std::to_string(quality) + ", rate " +
                 std::to_string(rate) + " and " + std::to_string(loop.size()) + " samples";
        return false;
    }
    Encoder e;
    if (vorbis_encode_init_vbr(&e.info, 2, rate, static_cast<float>(quality)) != 0) {
        *error = "the Vorbis encoder refuses this rate or quality";
        return false;
    }
    vorbis_comment_add_tag(&e.comment, "TITLE", title.c_str());
    if (vorbis_analysis_init(&e.dsp, &e.info) != 0 || vorbis_block_init(&e.dsp, &e.block) != 0) {
        *error = "the Vorbis encoder cannot start";
        return false;
    }
    e.dspReady = true;
    if (ogg_stream_init(&e.stream, serial) != 0) {
        *error = "the Ogg stream cannot start";
        return false;
    }
    e.streamReady = true;

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&e.stream, &header);
    ogg_stream_packetin(&e.stream, &comments);
    ogg_stream_packetin(&e.stream, &codebooks);
    // The audio starts on a page of its own, as decoders expect.
    ogg_page page;
    while (ogg_stream_flush(&e.stream, &page) != 0) Append(page, out);

    const size_t n = loop.size();
    const size_t chunk = 4096;
    for (size_t at = 0; at < n; at += chunk) {
        const int count = static_cast<int>(std::min(chunk, n - at));
        float** buffer = vorbis_analysis_buffer(&e.dsp, count);
        std::copy(loop.left.begin() + at, loop.left.begin() + at + count, buffer[0]);
        std::copy(loop.right.begin() + at, loop.right.begin() + at + count, buffer[1]);
        if (vorbis_analysis_wrote(&e.dsp, count) != 0 || !e.Drain(out)) {
            *error = "the Vorbis encoder failed";
            return false;
        }
    }
    if (vorbis_analysis_wrote(&e.dsp, 0) != 0 || !e.Drain(out)) {
        *error = "the Vorbis encoder failed at the end of the stream";
        return false;
    }
    while (ogg_stream_flush(&e.stream, &page) != 0) Append(page, out);
    return true;
}
