#include "web/paint_list.h"

namespace pirandella {

void PaintList::clear() {
    numbers_.clear();
}

void PaintList::fillBox(const BoxF& box, Colour c) {
    put(PaintCode::FillBox);
    put(box);
    put(c);
}

void PaintList::drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) {
    put(PaintCode::DrawPhoto);
    numbers_.push_back(photo == Photo::Background2x ? 1 : 0);
    put(box);
    put(clip);
}

// The page draws every picture afresh: its canvas is quick at what a picture holds.
bool PaintList::beginPicture(const PictureKey&, const DeviceRect& box) {
    put(PaintCode::BeginPicture);
    put(box);
    return true;
}

void PaintList::endPicture() {
    put(PaintCode::EndPicture);
}

void PaintList::fillOutline(OutlineId id, Colour c, double originX, double originY, double scale,
                            const DeviceRect& clip) {
    put(PaintCode::FillOutline);
    numbers_.insert(numbers_.end(), {static_cast<double>(id.set), static_cast<double>(id.index)});
    put(c);
    numbers_.insert(numbers_.end(), {originX, originY, scale});
    put(clip);
}

} // namespace pirandella
