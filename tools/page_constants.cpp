// Run by the build under Node: writes core.js, what the page shares with the core, from the
// core's own constants, so that the page keeps no copy of them: the numbers of the core's types,
// the paint list's calls, and the words the page shows before the game has loaded (its template,
// page/index.html.in, is filled in from them: index_page.cmake).
//   page_constants CORE_JS
#include "ui/keyboard.h"
#include "view/access/accessible_view.h"
#include "view/access/spoken_names.h"
#include "web/window.h"

#include <fstream>
#include <initializer_list>

using namespace pirandella;

namespace {

// JSON, which is JavaScript: quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            out += "\\u00" + std::string{"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
        else
            out += c;
    }
    return out + '"';
}

std::string JsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (const std::string& item : items) out += (out.size() > 1 ? "," : "") + item;
    return out + ']';
}

// Each field's value already JSON.
std::string JsonObject(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
    std::string out = "{";
    for (const auto& [name, value] : fields)
        out += (out.size() > 1 ? "," : "") + JsonString(name) + ':' + value;
    return out + '}';
}

int N(auto value) {
    return static_cast<int>(value);
}

std::string Numbers(std::initializer_list<std::pair<std::string_view, int>> entries) {
    std::string out = "{";
    for (const auto& [name, value] : entries)
        out += (out.size() > 1 ? "," : "") + JsonString(name) + ':' + std::to_string(value);
    return out + '}';
}

std::string File(const char* name) {
    return JsonObject(
        {{"name", JsonString(name)}, {"missing", JsonString(MissingOutlineFile(name))}});
}

// Names apart by spaces, as an array.
std::string Fields(std::string_view names) {
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < names.size();) {
        const std::size_t end = std::min(names.find(' ', at), names.size());
        fields.push_back(JsonString(names.substr(at, end - at)));
        at = end + 1;
    }
    return JsonArray(fields);
}

// Each call's name and the names of its numbers, by its code.
std::string PaintCalls() {
    std::string out = "{";
    for (const PaintCall& call : paintCalls)
        out += (out.size() > 1 ? "," : "") +
               JsonString(std::to_string(static_cast<int>(call.code))) + ':' +
               JsonObject({{"name", JsonString(call.name)}, {"fields", Fields(call.fields)}});
    return out + '}';
}

// The outlines' numbers for a path (paint_list.h): each step's method and count of numbers, by
// its code, and the fill rules.
std::string PathFormat() {
    std::vector<std::string> steps;
    for (int s = 0; s < 3; ++s)
        steps.push_back(
            JsonObject({{"name", JsonString(pathSteps[s])},
                        {"numbers", std::to_string(2 * PointsOf(static_cast<Outline::Step>(s)))}}));
    return JsonObject({{"steps", JsonArray(steps)},
                       {"rules", JsonArray({JsonString(fillRules[0]), JsonString(fillRules[1])})}});
}

// KeyboardEvent.key of each Key, by its number, with "Control+" where it is held.
std::string KeyNames() {
    const std::pair<Key, const char*> names[keyCount] = {
        {Key::Left, "ArrowLeft"},  {Key::Right, "ArrowRight"},
        {Key::Up, "ArrowUp"},      {Key::Down, "ArrowDown"},
        {Key::Enter, "Enter"},     {Key::Space, " "},
        {Key::Escape, "Escape"},   {Key::F10, "F10"},
        {Key::CtrlZ, "Control+z"}, {Key::CtrlN, "Control+n"},
        {Key::F1, "F1"},           {Key::F2, "F2"}};
    std::vector<std::string> byNumber(keyCount);
    for (const auto& [key, name] : names) byNumber[N(key)] = JsonString(name);
    return JsonArray(byNumber);
}

// The keys that run their menu commands wherever the keys are, not only on the board.
std::string Shortcuts() {
    std::vector<std::string> keys;
    for (int key = 0; key < keyCount; ++key)
        if (ShortcutCommand(static_cast<Key>(key))) keys.push_back(std::to_string(key));
    return JsonArray(keys);
}

// By the names of their places in the page's template.
std::string Words() {
    const auto& captions = CommandCaptions();
    return JsonObject({{"title", JsonString(DesignWindow().outer.title)},
                       {"boardName", JsonString(boardName)},
                       {"boardKeys", JsonString(boardKeys)},
                       {"cannotStart", JsonString(cannotStart)},
                       {"caption0", JsonString(captions[0].front())},
                       {"caption1", JsonString(captions[1].front())},
                       {"caption2", JsonString(captions[2].front())},
                       {"caption3", JsonString(captions[3].front())}});
}

// What the board stands on until the photograph has come: its average colour (assets/background.jpg
// averaged whole), so that the photograph joining later changes the ground's tone, not its light.
constexpr Colour photoGround{44, 82, 24};

std::string Constants() {
    return JsonObject({
        {"element", Numbers({{"page", Encode(pageRef)},
                             {"message", Encode(messageRef)},
                             {"perKind", elementsPerKind}})},
        {"role", Numbers({{"text", N(AccessibleRole::StaticText)},
                          {"button", N(AccessibleRole::Button)},
                          {"cell", N(AccessibleRole::Cell)}})},
        {"outlines", Numbers({{"letters", N(OutlineSet::Letters)},
                              {"page", N(OutlineSet::Page)},
                              {"shapes", N(OutlineSet::Shapes)},
                              {"glyphs", N(OutlineSet::Glyphs)}})},
        {"files", JsonObject({{"letters", File(lettersFile)}, {"page", File(pageFile)}})},
        {"paint", PaintCalls()},
        {"place", Fields(placeFields)},
        {"node", Fields(nodeFields)},
        {"pointerPicture", Fields(pointerFields)},
        {"path", PathFormat()},
        {"keys", KeyNames()},
        {"shortcuts", Shortcuts()},
        {"pointer", Numbers({{"last", N(Pointer::ArrowUp)}})},
        {"ground", Numbers({{"r", photoGround.r},
                            {"g", photoGround.g},
                            {"b", photoGround.b},
                            {"a", photoGround.a}})},
        {"words", Words()},
    });
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::ofstream(argv[1]) << "// Written by the build from the core (tools/page_constants.cpp).\n"
                           << "export const C = " << Constants() << ";\n";
}
