#include "win32/screen_reader.h"

#include "view/access/accessible_view.h"
#include "view/access/spoken_names.h"
#include "win32/main_window.h"
#include "win32/text.h"

#include <cmath>

namespace pirandella {

namespace {

// Words for a string out parameter; S_FALSE when there are none.
HRESULT Words(BSTR* out, const std::string& utf8) {
    if (!out) return E_POINTER;
    const std::wstring wide = Widen(utf8);
    *out = wide.empty() ? nullptr : SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return wide.empty() ? S_FALSE : S_OK;
}

// An out parameter emptied, and the answer: for what the board does not offer.
template <typename T> HRESULT Empty(T* out, HRESULT answer) {
    if (out) *out = T{};
    return answer;
}

// A node's child id; the board itself for none.
LONG ChildId(const std::vector<AccessibleNode>& nodes, ElementRef ref) {
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].ref == ref) return static_cast<LONG>(i + 1);
    return CHILDID_SELF;
}

// What a child id names: the board itself, one node, the alert after them, or nothing.
struct Child {
    bool self = false, alert = false;
    const AccessibleNode* node = nullptr;
    bool named() const { return self || alert || node; }
};

} // namespace

class BoardAccessible final : public ScreenReader {
  public:
    explicit BoardAccessible(MainWindow& window) : window_(&window) {}
    void detach() override {
        window_ = nullptr;
        said_.clear();
        Release();
    }
    void tell(const std::string& announcement) override;

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        const bool offered = riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) ||
                             riid == __uuidof(IAccessible);
        *object = offered ? static_cast<IAccessible*>(this) : nullptr;
        if (offered) AddRef();
        return offered ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&references_); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch is not offered: screen readers make the IAccessible calls directly.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return Empty(count, S_OK); }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!window_) return E_FAIL;
        return AccessibleObjectFromWindow(window_->handle(), static_cast<DWORD>(OBJID_WINDOW),
                                          __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    }
    STDMETHODIMP get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        look(VARIANT{});
        *count = static_cast<long>(nodes_.size() + (said_.empty() ? 0 : 1));
        return S_OK;
    }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override {
        const Child c = look(child); // simple elements: no object of their own
        return Empty(object, !object ? E_POINTER : c.node || c.alert ? S_FALSE : E_INVALIDARG);
    }
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        const Child c = look(child);
        if (!c.named()) return Empty(name, window_ ? E_INVALIDARG : E_FAIL);
        return Words(name, c.self ? boardName : c.alert ? said_ : c.node->name);
    }
    STDMETHODIMP get_accValue(VARIANT, BSTR* value) override {
        return Empty(value, DISP_E_MEMBERNOTFOUND);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override {
        const Child c = look(child);
        return Words(description, c.node ? c.node->description : std::string());
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        const Child c = look(child);
        if (!c.named()) return Empty(role, E_INVALIDARG);
        const AccessibleRole r = c.node ? c.node->role : AccessibleRole::StaticText;
        role->vt = VT_I4;
        role->lVal = c.self                        ? ROLE_SYSTEM_TABLE
                     : c.alert                     ? ROLE_SYSTEM_ALERT
                     : r == AccessibleRole::Button ? ROLE_SYSTEM_PUSHBUTTON
                     : r == AccessibleRole::Cell   ? ROLE_SYSTEM_CELL
                                                   : ROLE_SYSTEM_STATICTEXT;
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        state->vt = VT_I4;
        state->lVal = 0;
        if (!window_) return E_FAIL;
        const Child c = look(child);
        const AccessibleNode* n = c.node;
        if (c.self)
            state->lVal = STATE_SYSTEM_FOCUSABLE | (boardHasKeys() ? STATE_SYSTEM_FOCUSED : 0);
        else if (c.alert)
            state->lVal = STATE_SYSTEM_READONLY;
        else if (n)
            state->lVal = (n->focusable ? STATE_SYSTEM_FOCUSABLE : 0) |
                          (n->focused ? STATE_SYSTEM_FOCUSED : 0) |
                          (n->role == AccessibleRole::StaticText ? STATE_SYSTEM_READONLY : 0);
        return c.named() ? S_OK : E_INVALIDARG;
    }
    STDMETHODIMP get_accHelp(VARIANT, BSTR* help) override { return Empty(help, S_FALSE); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (topic) *topic = -1;
        return Empty(file, S_FALSE);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
        return Empty(shortcut, S_FALSE);
    }
    STDMETHODIMP get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        *focus = VARIANT{};
        if (!window_ || !boardHasKeys()) return S_FALSE;
        look(VARIANT{});
        focus->vt = VT_I4;
        focus->lVal = CHILDID_SELF;
        for (std::size_t i = 0; i < nodes_.size(); ++i)
            if (nodes_[i].focused) focus->lVal = static_cast<LONG>(i + 1);
        return S_OK;
    }
    STDMETHODIMP get_accSelection(VARIANT* selection) override { return Empty(selection, S_FALSE); }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        const Child c = look(child);
        return Words(action, c.node && c.node->pressable ? "Premi" : "");
    }
    STDMETHODIMP accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    // In the screen's pixels; the alert's words have no place of their own.
    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height,
                             VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        if (!window_) return E_FAIL;
        const Child c = look(child);
        if (!c.named()) return E_INVALIDARG;
        RECT r{};
        if (c.self) GetClientRect(window_->handle(), &r);
        if (c.node) { // from the design's corner, in layout pixels
            const Placement& at = window_->midend().placement();
            const PixelRect& b = c.node->bounds;
            const double dpr = at.devicePixelRatio, x = at.originX + b.x, y = at.originY + b.y;
            r = {std::lround(x * dpr), std::lround(y * dpr), std::lround((x + b.width) * dpr),
                 std::lround((y + b.height) * dpr)};
        }
        if (!c.alert) MapWindowPoints(window_->handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    STDMETHODIMP accNavigate(long, VARIANT, VARIANT* end) override {
        return Empty(end, DISP_E_MEMBERNOTFOUND);
    }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* child) override {
        if (!child) return E_POINTER;
        *child = VARIANT{};
        if (!window_) return E_FAIL;
        POINT p{x, y};
        ScreenToClient(window_->handle(), &p);
        RECT client;
        GetClientRect(window_->handle(), &client);
        if (!PtInRect(&client, p)) return S_FALSE;
        look(VARIANT{});
        child->vt = VT_I4;
        child->lVal = ChildId(nodes_, window_->midend().elementAt(p.x + 0.5, p.y + 0.5));
        return S_OK;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        const Child c = look(child);
        if (!c.node) return E_INVALIDARG;
        if (!c.node->pressable) return DISP_E_MEMBERNOTFOUND;
        window_->midend().click(c.node->ref);
        return S_OK;
    }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~BoardAccessible() = default;
    bool boardHasKeys() const { return window_->boardHasKeys(); }

    // The board as it stands now, and what `child` names on it; nothing once the window is gone.
    Child look(const VARIANT& child) {
        nodes_.clear();
        if (!window_) return {};
        nodes_ = window_->midend().accessibleNodes(boardHasKeys());
        if (child.vt != VT_I4) return {};
        const LONG id = child.lVal, count = static_cast<LONG>(nodes_.size());
        return {id == CHILDID_SELF, id == count + 1 && !said_.empty(),
                id >= 1 && id <= count ? &nodes_[id - 1] : nullptr};
    }

    LONG references_ = 1; // the window's
    MainWindow* window_;
    std::vector<AccessibleNode> nodes_; // as of the last look
    AccessibleWatch watch_;
    std::string said_; // what the game last said; empty before it said anything
};

ScreenReader* ScreenReader::Of(MainWindow& window) {
    return new BoardAccessible(window);
}

void BoardAccessible::tell(const std::string& announcement) {
    if (!window_ || !window_->handle()) return;
    const HWND hwnd = window_->handle();
    look(VARIANT{});
    const AccessibleChanges changes = watch_.look(nodes_);
    if (!changes.removed.empty() || !changes.added.empty())
        NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd, OBJID_CLIENT, CHILDID_SELF);
    for (const ElementRef& ref : changes.renamed)
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, ChildId(nodes_, ref));
    if (changes.focusMoved && boardHasKeys())
        NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd, OBJID_CLIENT, ChildId(nodes_, changes.focus));
    if (announcement.empty()) return;
    said_ = announcement; // the alert after the nodes
    NotifyWinEvent(EVENT_SYSTEM_ALERT, hwnd, OBJID_CLIENT, static_cast<LONG>(nodes_.size() + 1));
}

} // namespace pirandella
