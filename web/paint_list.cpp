#include "web/paint_list.h"

namespace pirandella {

namespace {

// Which outline of the artwork this is, as its set and its place in the set: the page replays
// it from the paths it built once from the same outlines.
std::pair<int, int> OutlineIndex(const Artwork& art, const Outline& outline) {
    if (!art.letters.empty() && &outline >= art.letters.data() &&
        &outline < art.letters.data() + art.letters.size())
        return {0, static_cast<int>(&outline - art.letters.data())};
    if (!art.page.empty() && &outline >= art.page.data() &&
        &outline < art.page.data() + art.page.size())
        return {1, static_cast<int>(&outline - art.page.data())};
    return {-1, -1};
}

} // namespace

void PaintList::clear() {
    numbers_.clear();
    texts_.clear();
}

void PaintList::fillBox(const BoxF& box, Colour c) {
    put(PaintCode::FillBox);
    put(box);
    put(c);
}

void PaintList::drawFrame(const DeviceRect& box, int thickness, Colour c) {
    put(PaintCode::DrawFrame);
    put(box);
    numbers_.push_back(thickness);
    put(c);
}

void PaintList::drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) {
    put(PaintCode::DrawPhoto);
    numbers_.push_back(photo == Photo::Background2x ? 1 : 0);
    put(box);
    put(clip);
}

void PaintList::beginPicture(const DeviceRect& box) {
    put(PaintCode::BeginPicture);
    put(box);
}

void PaintList::endPicture() {
    put(PaintCode::EndPicture);
}

void PaintList::fillOutline(const Outline& outline, Colour c, double originX, double originY,
                            double scale, const DeviceRect& clip) {
    const auto [set, index] = OutlineIndex(art_, outline);
    if (set < 0) return; // only the artwork's outlines have paths on the page
    put(PaintCode::FillOutline);
    numbers_.insert(numbers_.end(), {static_cast<double>(set), static_cast<double>(index)});
    put(c);
    numbers_.insert(numbers_.end(), {originX, originY, scale});
    put(clip);
}

void PaintList::drawText(const std::string& utf8, const std::string& fontName, float points,
                         Colour c, double x, double top) {
    put(PaintCode::DrawText);
    numbers_.push_back(static_cast<double>(texts_.size()));
    texts_.push_back(utf8);
    texts_.push_back(fontName);
    put(c);
    numbers_.insert(numbers_.end(), {points, x, top});
}

void PaintList::drawMarker(const BoxF& cell) {
    put(PaintCode::DrawMarker);
    put(cell);
}

} // namespace pirandella
