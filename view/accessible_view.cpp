#include "view/accessible_view.h"

#include "view/spoken_names.h"

namespace pirandella {

namespace {

std::pair<int, int> KeyOf(ElementRef ref) {
    return {static_cast<int>(ref.kind), ref.index};
}

AccessibleNode Node(const Game& g, ElementRef ref) {
    const WindowModel& w = g.window;
    AccessibleNode n;
    n.ref = ref;
    n.bounds = PixelBounds(w, ref, g.screen.twipsPerPixel());
    if (ref.kind == ElementRef::Label1) {
        n.name = w.label1[ref.index].caption;
    } else if (ref.kind == ElementRef::Image1) {
        n.role = AccessibleRole::Cell;
        n.name = TileName(g, ref.index);
    } else if (ref.index == WindowModel::instructions) {
        n.name = InstructionsText(); // read as text; a press closes it
        n.pressable = n.focusable = true;
    } else {
        n.role = AccessibleRole::Button;
        n.name = ArrowName(w, ref.index);
        n.description = ArrowLineReport(g, ref.index);
        n.pressable = n.focusable = true;
    }
    return n;
}

bool Showing(const Game& g, ElementRef ref) {
    return InSight(g.window, ref, g.screen.twipsPerPixel());
}

ElementRef FocusOf(const Game& g, bool arrowsShown) {
    const ElementRef page{ElementRef::Image2, WindowModel::instructions};
    if (IsVisible(g.window, page)) return page;
    if (g.marker >= 0 && Showing(g, {ElementRef::Image2, g.marker}))
        return {ElementRef::Image2, g.marker};
    if (!arrowsShown && g.window.label1[0].visible) return {ElementRef::Label1, 0};
    return {};
}

} // namespace

std::vector<AccessibleNode> AccessibleNodes(const Game& g, bool boardHasKeys) {
    const WindowModel& w = g.window;
    std::vector<ElementRef> refs;
    if (w.label1[0].visible) refs.push_back({ElementRef::Label1, 0});
    if (w.image2[WindowModel::instructions].visible)
        refs.push_back({ElementRef::Image2, WindowModel::instructions});
    bool arrowsShown = false;
    for (int i = 0; i < WindowModel::arrowCount; ++i) {
        arrowsShown = arrowsShown || w.image2[i].visible;
        if (Showing(g, {ElementRef::Image2, i})) refs.push_back({ElementRef::Image2, i});
    }
    for (int i = 0; i < WindowModel::tileCount; ++i)
        if (Showing(g, {ElementRef::Image1, i})) refs.push_back({ElementRef::Image1, i});
    const ElementRef focus = boardHasKeys ? FocusOf(g, arrowsShown) : ElementRef{};
    std::vector<AccessibleNode> nodes;
    for (const ElementRef& ref : refs) {
        nodes.push_back(Node(g, ref));
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
