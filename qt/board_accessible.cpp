// The board's accessible nodes through Qt's accessibility interfaces: an interface for each node
// the core lists, and the changes the core finds after each event sent as Qt's events.
#include "qt/board_widget.h"
#include "view/access/spoken_names.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QPointer>
#include <map>
#include <optional>

namespace pirandella {

namespace {

// Qt 6.4's bridge to AT-SPI hands on rectangles and points in Qt's own device-independent
// pixels, while X11 screen readers count the screen's: there the board converts them itself
// (for screens at one scale, side by side from the origin). Qt's own widgets stay unconverted.
qreal ScreenScale(const QWidget* w) {
    return QGuiApplication::platformName() == QLatin1String("xcb") ? w->devicePixelRatioF() : 1;
}

QRect OnScreen(const QRect& r, qreal scale) {
    return QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale).toRect();
}

// One node of the board; its answers are looked up afresh each time, so they are never stale.
// The node of no element is what the game has just said, as a notification: Qt 6.4 sends a name
// or description change without its new text, which screen readers then cannot speak, but a
// notification that shows is spoken with its name.
class NodeAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    NodeAccessible(BoardWidget* board, ElementRef ref) : board_(board), ref_(ref) {}
    std::string said;

    // It lives in the board, with no children.
    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (ref_.kind == ElementRef::None)
            return t == QAccessible::Name ? QString::fromStdString(said) : QString();
        const auto n = node();
        if (!n || (t != QAccessible::Name && t != QAccessible::Description)) return {};
        return QString::fromStdString(t == QAccessible::Name ? n->name : n->description);
    }
    QRect rect() const override {
        const auto n = node();
        if (!n) return {};
        const QPoint corner = board_->mapToGlobal(board_->origin());
        const QRect r(n->bounds.x, n->bounds.y, n->bounds.width, n->bounds.height);
        return OnScreen(r.translated(corner), ScreenScale(board_));
    }
    QAccessible::Role role() const override {
        const auto n = node();
        if (!n)
            return ref_.kind == ElementRef::None ? QAccessible::Notification : QAccessible::NoRole;
        return n->role == AccessibleRole::Cell     ? QAccessible::Cell
               : n->role == AccessibleRole::Button ? QAccessible::Button
                                                   : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const auto n = node();
        s.focusable = n && n->focusable;
        s.focused = n && n->focused;
        // Hidden, or gone from the board.
        s.invisible = ref_.kind != ElementRef::None && (!n || !board_->isVisible());
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        const auto n = node();
        const bool press = type == QAccessible::ActionInterface && n && n->pressable;
        return press ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (board_ && action == pressAction()) board_->midend().click(ref_);
    }

  private:
    std::optional<AccessibleNode> node() const {
        if (!board_) return std::nullopt;
        for (AccessibleNode& n : board_->accessibleNodes())
            if (n.ref == ref_) return std::move(n);
        return std::nullopt;
    }

    QPointer<BoardWidget> board_;
    ElementRef ref_;
};

} // namespace

// The board itself: its children are the nodes the core lists, front to back.
class BoardAccessible : public QAccessibleWidget {
  public:
    explicit BoardAccessible(BoardWidget* board)
        : QAccessibleWidget(board, QAccessible::Table, QString::fromUtf8(boardName)) {
        watch_.look(board->accessibleNodes());
    }
    ~BoardAccessible() override {
        for (const auto& [key, node] : nodes_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(node));
    }

    int childCount() const override { return static_cast<int>(nodes().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<AccessibleNode> now = nodes();
        const bool in = index >= 0 && index < static_cast<int>(now.size());
        return in ? interfaceOf(now[index].ref) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<AccessibleNode> now = nodes();
        for (int i = 0; i < static_cast<int>(now.size()); ++i)
            if (interfaceOf(now[i].ref) == child) return i;
        return -1;
    }
    QRect rect() const override {
        return OnScreen(QAccessibleWidget::rect(), ScreenScale(board()));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPointF at = QPointF(x, y) / ScreenScale(board());
        const ElementRef ref = board()->elementAt(board()->mapFromGlobal(at));
        return ref.kind == ElementRef::None ? nullptr : interfaceOf(ref);
    }
    QAccessibleInterface* focusChild() const override {
        for (const AccessibleNode& n : nodes())
            if (n.focused) return interfaceOf(n.ref);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString::fromUtf8(boardName) : QAccessibleWidget::text(t);
    }

    // Each node that came or went as an event of its own (Qt 6.4 sends a reorder as malformed
    // signals); what is to be said as a notification that shows.
    void announceChanges(const std::string& announcement) {
        const AccessibleChanges changes = watch_.look(nodes());
        const auto tell = [](QAccessibleInterface* about, QAccessible::Event what) {
            QAccessibleEvent event(about, what);
            QAccessible::updateAccessibility(&event);
        };
        for (const auto& [refs, what] : {std::pair{&changes.removed, QAccessible::ObjectDestroyed},
                                         {&changes.added, QAccessible::ObjectCreated},
                                         {&changes.renamed, QAccessible::NameChanged}})
            for (const ElementRef& ref : *refs) tell(interfaceOf(ref), what);
        QAccessibleInterface* focus =
            changes.focus.kind == ElementRef::None ? this : interfaceOf(changes.focus);
        if (changes.focusMoved && board()->hasFocus()) tell(focus, QAccessible::Focus);
        if (announcement.empty()) return;
        auto* spoken = static_cast<NodeAccessible*>(interfaceOf({}));
        spoken->said = announcement;
        tell(spoken, QAccessible::ObjectShow);
    }

  private:
    BoardWidget* board() const { return static_cast<BoardWidget*>(widget()); }
    std::vector<AccessibleNode> nodes() const { return board()->accessibleNodes(); }
    // Made when first asked for and kept while the board lives.
    QAccessibleInterface* interfaceOf(ElementRef ref) const {
        QAccessibleInterface*& node = nodes_[{static_cast<int>(ref.kind), ref.index}];
        if (!node) {
            node = new NodeAccessible(board(), ref);
            QAccessible::registerAccessibleInterface(node);
        }
        return node;
    }

    mutable std::map<std::pair<int, int>, QAccessibleInterface*> nodes_;
    AccessibleWatch watch_;
};

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& name, QObject* o) -> QAccessibleInterface* {
            const bool board =
                name == QLatin1String("pirandella::BoardWidget") && o && o->isWidgetType();
            return board ? new BoardAccessible(static_cast<BoardWidget*>(o)) : nullptr;
        });
        return true;
    }();
    (void)installed;
}

// Only while a screen reader looks: the board's interface is made when it first asks.
void AnnounceChanges(BoardWidget* board, const std::string& announcement) {
    if (!QAccessible::isActive()) return;
    if (auto* a = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board)))
        a->announceChanges(announcement);
}

} // namespace pirandella
