#include "view/access/accessible_view.h"

#include "view/access/spoken_names.h"

namespace pirandella {

namespace {

std::pair<int, int> KeyOf(ElementRef ref) {
    return {static_cast<int>(ref.kind), ref.index};
}

AccessibleNode Node(const Game& g, const WindowModel& w, TwipsScale tpp, ElementRef ref) {
    AccessibleNode n;
    n.ref = ref;
    n.bounds = PixelBounds(w, ref, tpp);
    if (ref.kind == ElementRef::Message) {
        n.name = w.message.text;
    } else if (ref.kind == ElementRef::Tile) {
        n.role = AccessibleRole::Cell;
        n.name = TileName(g, ref.index);
    } else if (ref.kind == ElementRef::Page) {
        n.name = InstructionsText(); // read as text; a press closes it
        n.pressable = n.focusable = true;
    } else {
        n.role = AccessibleRole::Button;
        n.name = ArrowName(g.boardSize, ref.index);
        n.description = ArrowLineReport(g, ref.index);
        n.pressable = n.focusable = true;
    }
    return n;
}

ElementRef FocusOf(const WindowModel& w, TwipsScale tpp, int marker, bool arrowsShown) {
    if (w.page.visible) return pageRef;
    if (marker >= 0 && InSight(w, ArrowRef(marker), tpp)) return ArrowRef(marker);
    if (!arrowsShown && w.message.visible) return messageRef;
    return {};
}

} // namespace

std::vector<AccessibleNode> AccessibleNodes(const WindowModel& w, const Game& g, const View& v,
                                            bool boardHasKeys) {
    const TwipsScale tpp = v.screen.twipsPerPixel();
    std::vector<ElementRef> refs;
    if (w.message.visible) refs.push_back(messageRef);
    if (w.page.visible) refs.push_back(pageRef);
    bool arrowsShown = false;
    for (int i = 0; i < WindowModel::arrowCount; ++i) {
        arrowsShown = arrowsShown || w.arrows[i].visible;
        if (InSight(w, ArrowRef(i), tpp)) refs.push_back(ArrowRef(i));
    }
    for (int i = 0; i < WindowModel::tileCount; ++i)
        if (InSight(w, TileRef(i), tpp)) refs.push_back(TileRef(i));
    const ElementRef focus = boardHasKeys ? FocusOf(w, tpp, v.marker, arrowsShown) : ElementRef{};
    std::vector<AccessibleNode> nodes;
    for (const ElementRef& ref : refs) {
        nodes.push_back(Node(g, w, tpp, ref));
        nodes.back().focused = ref == focus;
    }
    return nodes;
}

AccessibleChanges AccessibleWatch::look(const std::vector<AccessibleNode>& now) {
    AccessibleChanges changes;
    std::map<std::pair<int, int>, std::string> seen;
    for (const AccessibleNode& n : now) {
        seen[KeyOf(n.ref)] = n.name;
        if (n.focused) changes.focus = n.ref;
    }
    if (looked_) {
        for (const auto& [key, before] : seen_)
            if (!seen.count(key))
                changes.removed.push_back({static_cast<ElementRef::Kind>(key.first), key.second});
        for (const AccessibleNode& n : now) {
            const auto before = seen_.find(KeyOf(n.ref));
            if (before == seen_.end())
                changes.added.push_back(n.ref);
            else if (before->second != n.name)
                changes.renamed.push_back(n.ref);
        }
        changes.focusMoved = changes.focus != focus_;
    }
    seen_ = std::move(seen);
    focus_ = changes.focus;
    looked_ = true;
    return changes;
}

} // namespace pirandella
