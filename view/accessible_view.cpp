#include "view/accessible_view.h"

#include "view/spoken_names.h"

namespace pirandella {

namespace {

std::pair<int, int> KeyOf(ElementRef ref) {
    return {static_cast<int>(ref.kind), ref.index};
}

AccessibleNode Node(const Game& g, ElementRef ref, bool boardHasKeys) {
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
        n.name = instructionsName;
        n.description = InstructionsText();
        n.pressable = true; // a click closes it
    } else {
        n.role = AccessibleRole::Button;
        n.name = ArrowName(w, ref.index);
        n.pressable = n.focusable = true;
        n.focused = boardHasKeys && g.marker == ref.index;
    }
    return n;
}

} // namespace

std::vector<AccessibleNode> AccessibleNodes(const Game& g, bool boardHasKeys) {
    const WindowModel& w = g.window;
    std::vector<ElementRef> refs;
    if (w.label1[0].visible) refs.push_back({ElementRef::Label1, 0});
    if (w.image2[WindowModel::instructions].visible)
        refs.push_back({ElementRef::Image2, WindowModel::instructions});
    for (int i = 0; i < WindowModel::arrowCount; ++i)
        if (w.image2[i].visible) refs.push_back({ElementRef::Image2, i});
    for (int i = 0; i < WindowModel::tileCount; ++i)
        if (w.image1[i].visible) refs.push_back({ElementRef::Image1, i});
    std::vector<AccessibleNode> nodes;
    for (const ElementRef& ref : refs) nodes.push_back(Node(g, ref, boardHasKeys));
    return nodes;
}

AccessibleChanges AccessibleWatch::look(const std::vector<AccessibleNode>& now) {
    AccessibleChanges changes;
    std::map<std::pair<int, int>, std::string> names;
    ElementRef focus;
    for (const AccessibleNode& n : now) {
        names[KeyOf(n.ref)] = n.name;
        if (n.focused) focus = n.ref;
    }
    if (looked_) {
        changes.reordered = names.size() != names_.size();
        for (const AccessibleNode& n : now) {
            const auto before = names_.find(KeyOf(n.ref));
            if (before == names_.end())
                changes.reordered = true;
            else if (before->second != n.name)
                changes.renamed.push_back(n.ref);
        }
        if (focus != focus_) changes.focus = focus;
    }
    names_ = std::move(names);
    focus_ = focus;
    looked_ = true;
    return changes;
}

} // namespace pirandella
