#include "win32/accessible.h"

#include "view/spoken_names.h"
#include "win32/main_window.h"
#include "win32/text.h"

#include <cmath>

namespace pirandella {

namespace {

BSTR Bstr(const std::string& utf8) {
    const std::wstring wide = Widen(utf8);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

} // namespace

void BoardAccessible::detach() {
    if (!window_) return;
    window_ = nullptr;
    Release();
}

HRESULT BoardAccessible::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) ||
        riid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG BoardAccessible::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG BoardAccessible::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT BoardAccessible::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}
HRESULT BoardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}
HRESULT BoardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}
HRESULT BoardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                UINT*) {
    return E_NOTIMPL;
}

// The node a child id names, or none (for the board itself, a bad id or a closed window). After
// the nodes comes one more child once the game has said something: an alert holding its words.
class NodeLookup {
  public:
    NodeLookup(MainWindow* window, const VARIANT& child) {
        if (!window) return;
        nodes_ =
            AccessibleNodes(window->session().game, window->session().view, window->boardHasKeys());
        said_ = window->said();
        const LONG count = static_cast<LONG>(nodes_.size());
        if (child.vt == VT_I4 && child.lVal >= 1 && child.lVal <= count)
            node_ = &nodes_[child.lVal - 1];
        alert_ = child.vt == VT_I4 && child.lVal == count + 1 && !said_.empty();
    }
    const AccessibleNode* node() const { return node_; }
    bool alert() const { return alert_; }
    const std::string& said() const { return said_; }
    const std::vector<AccessibleNode>& all() const { return nodes_; }
    long childCount() const { return static_cast<long>(nodes_.size() + (said_.empty() ? 0 : 1)); }

  private:
    std::vector<AccessibleNode> nodes_;
    std::string said_;
    const AccessibleNode* node_ = nullptr;
    bool alert_ = false;
};

HRESULT BoardAccessible::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!window_) return E_FAIL;
    return AccessibleObjectFromWindow(window_->handle(), static_cast<DWORD>(OBJID_WINDOW),
                                      __uuidof(IDispatch), reinterpret_cast<void**>(parent));
}

HRESULT BoardAccessible::get_accChildCount(long* count) {
    if (!count) return E_POINTER;
    *count = NodeLookup(window_, VARIANT{}).childCount();
    return S_OK;
}

HRESULT BoardAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    const NodeLookup found(window_, child);
    return found.node() || found.alert() ? S_FALSE : E_INVALIDARG; // simple elements
}

HRESULT BoardAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (!window_) return E_FAIL;
    if (IsSelf(child)) {
        *name = Bstr(boardName);
        return S_OK;
    }
    const NodeLookup found(window_, child);
    if (found.alert()) {
        *name = Bstr(found.said());
        return S_OK;
    }
    if (!found.node()) return E_INVALIDARG;
    *name = Bstr(found.node()->name);
    return S_OK;
}

HRESULT BoardAccessible::get_accValue(VARIANT, BSTR* value) {
    if (value) *value = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT BoardAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (!description) return E_POINTER;
    *description = nullptr;
    const NodeLookup found(window_, child);
    if (!found.node() || found.node()->description.empty()) return S_FALSE;
    *description = Bstr(found.node()->description);
    return S_OK;
}

HRESULT BoardAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    if (IsSelf(child)) {
        role->lVal = ROLE_SYSTEM_TABLE;
        return S_OK;
    }
    const NodeLookup found(window_, child);
    if (found.alert()) {
        role->lVal = ROLE_SYSTEM_ALERT;
        return S_OK;
    }
    if (!found.node()) {
        role->vt = VT_EMPTY;
        return E_INVALIDARG;
    }
    switch (found.node()->role) {
    case AccessibleRole::Button:
        role->lVal = ROLE_SYSTEM_PUSHBUTTON;
        break;
    case AccessibleRole::Cell:
        role->lVal = ROLE_SYSTEM_CELL;
        break;
    default:
        role->lVal = ROLE_SYSTEM_STATICTEXT;
    }
    return S_OK;
}

HRESULT BoardAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_POINTER;
    state->vt = VT_I4;
    state->lVal = 0;
    if (!window_) return E_FAIL;
    if (IsSelf(child)) {
        state->lVal = STATE_SYSTEM_FOCUSABLE | (window_->boardHasKeys() ? STATE_SYSTEM_FOCUSED : 0);
        return S_OK;
    }
    const NodeLookup found(window_, child);
    if (found.alert()) {
        state->lVal = STATE_SYSTEM_READONLY;
        return S_OK;
    }
    if (!found.node()) return E_INVALIDARG;
    if (found.node()->focusable) state->lVal |= STATE_SYSTEM_FOCUSABLE;
    if (found.node()->focused) state->lVal |= STATE_SYSTEM_FOCUSED;
    if (found.node()->role == AccessibleRole::StaticText) state->lVal |= STATE_SYSTEM_READONLY;
    return S_OK;
}

HRESULT BoardAccessible::get_accHelp(VARIANT, BSTR* help) {
    if (help) *help = nullptr;
    return S_FALSE;
}

HRESULT BoardAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file) *file = nullptr;
    if (topic) *topic = -1;
    return S_FALSE;
}

HRESULT BoardAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    if (shortcut) *shortcut = nullptr;
    return S_FALSE;
}

HRESULT BoardAccessible::get_accFocus(VARIANT* focus) {
    if (!focus) return E_POINTER;
    focus->vt = VT_EMPTY;
    if (!window_ || !window_->boardHasKeys()) return S_FALSE;
    const NodeLookup found(window_, VARIANT{});
    for (std::size_t i = 0; i < found.all().size(); ++i)
        if (found.all()[i].focused) {
            focus->vt = VT_I4;
            focus->lVal = static_cast<LONG>(i + 1);
            return S_OK;
        }
    focus->vt = VT_I4;
    focus->lVal = CHILDID_SELF;
    return S_OK;
}

HRESULT BoardAccessible::get_accSelection(VARIANT* selection) {
    if (selection) selection->vt = VT_EMPTY;
    return S_FALSE;
}

HRESULT BoardAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!action) return E_POINTER;
    *action = nullptr;
    const NodeLookup found(window_, child);
    if (!found.node() || !found.node()->pressable) return S_FALSE;
    *action = Bstr("Premi");
    return S_OK;
}

HRESULT BoardAccessible::accSelect(long, VARIANT) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT BoardAccessible::accLocation(long* left, long* top, long* width, long* height,
                                     VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    if (!window_) return E_FAIL;
    RECT r{};
    if (IsSelf(child)) {
        GetClientRect(window_->handle(), &r);
    } else {
        const NodeLookup found(window_, child);
        if (found.alert()) { // words, with no place of their own
            *left = *top = *width = *height = 0;
            return S_OK;
        }
        if (!found.node()) return E_INVALIDARG;
        const PaintSetup at = window_->setup();
        const double dpr = at.devicePixelRatio;
        const PixelRect& b = found.node()->bounds; // from the design's corner
        const double x = at.originX + b.x, y = at.originY + b.y;
        r = {static_cast<LONG>(std::lround(x * dpr)), static_cast<LONG>(std::lround(y * dpr)),
             static_cast<LONG>(std::lround((x + b.width) * dpr)),
             static_cast<LONG>(std::lround((y + b.height) * dpr))};
    }
    MapWindowPoints(window_->handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT BoardAccessible::accNavigate(long, VARIANT, VARIANT* end) {
    if (end) end->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT BoardAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (!child) return E_POINTER;
    child->vt = VT_EMPTY;
    if (!window_) return E_FAIL;
    POINT p{x, y};
    ScreenToClient(window_->handle(), &p);
    RECT client;
    GetClientRect(window_->handle(), &client);
    if (!PtInRect(&client, p)) return S_FALSE;
    const ElementRef at =
        ElementAtDevicePixel(WindowOf(window_->session()), window_->setup(), p.x + 0.5, p.y + 0.5);
    const NodeLookup found(window_, VARIANT{});
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    for (std::size_t i = 0; i < found.all().size(); ++i)
        if (found.all()[i].ref == at) child->lVal = static_cast<LONG>(i + 1);
    return S_OK;
}

HRESULT BoardAccessible::accDoDefaultAction(VARIANT child) {
    const NodeLookup found(window_, child);
    if (!found.node()) return E_INVALIDARG;
    if (!found.node()->pressable) return DISP_E_MEMBERNOTFOUND;
    window_->click(found.node()->ref);
    return S_OK;
}

HRESULT BoardAccessible::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}
HRESULT BoardAccessible::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

} // namespace pirandella
