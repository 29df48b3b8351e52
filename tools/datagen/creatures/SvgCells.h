#pragma once
// Pictures cut out of a creature sheet: every frame of a sheet is a group
// with an id, and its invisible "<id>-cell" rectangle is the picture, one
// sheet unit to a pixel.
#include <map>
#include <memory>
#include <string>
#include <vector>

struct RgbaPicture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;  // rows top to bottom, straight alpha
};

class SvgSheet {
public:
    SvgSheet() = default;
    ~SvgSheet();
    SvgSheet(const SvgSheet&) = delete;
    SvgSheet& operator=(const SvgSheet&) = delete;

    bool Open(const std::string& path, std::string& reason);
    // Draws the group `id` inside its cell; false with a reason when the
    // group or its cell is missing or the cell is not 1..4096 pixels a side.
    bool Cell(const std::string& id, RgbaPicture& picture, std::string& reason) const;
    // The whole sheet scaled to width x height (the stage picture).
    bool Whole(int width, int height, RgbaPicture& picture, std::string& reason) const;
    // The sheet's own size in pixels.
    int Width() const { return static_cast<int>(width_ + 0.5); }
    int Height() const { return static_cast<int>(height_ + 0.5); }

private:
    void* handle_ = nullptr;  // RsvgHandle
    double width_ = 0, height_ = 0;
};

// Sheets by file name, each opened once.
class SvgSheets {
public:
    explicit SvgSheets(std::string folder) : folder_(std::move(folder)) {}
    // `reference` is "file.svg#group".
    bool Cell(const std::string& reference, RgbaPicture& picture, std::string& reason);

private:
    std::string folder_;
    std::map<std::string, std::unique_ptr<SvgSheet>> sheets_;
};
