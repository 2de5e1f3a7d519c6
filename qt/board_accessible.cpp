#include "qt/board_accessible.h"

#include "qt/board_widget.h"
#include "view/spoken_names.h"

#include <QPointer>
#include <optional>

namespace pirandella {

namespace {

std::pair<int, int> KeyOf(ElementRef ref) {
    return {static_cast<int>(ref.kind), ref.index};
}

// One node of the board. Its answers are looked up afresh each time, so they are never stale.
class ElementAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ElementAccessible(BoardWidget* board, ElementRef ref) : board_(board), ref_(ref) {}

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
        const auto n = node();
        if (!n) return {};
        if (t == QAccessible::Name) return QString::fromStdString(n->name);
        if (t == QAccessible::Description) return QString::fromStdString(n->description);
        return {};
    }

    QRect rect() const override {
        const auto n = node();
        if (!n) return {};
        const QRect r = QRect(n->bounds.x, n->bounds.y, n->bounds.width, n->bounds.height)
                            .translated(board_->origin());
        return QRect(board_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override {
        const auto n = node();
        if (!n) return QAccessible::NoRole;
        return n->role == AccessibleRole::Cell     ? QAccessible::Cell
               : n->role == AccessibleRole::Button ? QAccessible::Button
                                                   : QAccessible::StaticText;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        const auto n = node();
        if (!n) return s;
        s.focusable = n->focusable;
        s.focused = n->focused;
        s.invisible = !board_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        const auto n = node();
        if (type == QAccessible::ActionInterface && n && n->pressable)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (board_ && action == pressAction() && board_->onClick) board_->onClick(ref_);
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

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("pirandella::BoardWidget") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardWidget*>(object));
    return nullptr;
}

} // namespace

BoardAccessible::BoardAccessible(BoardWidget* board)
    : QAccessibleWidget(board, QAccessible::Table, QString::fromUtf8(boardName)) {
    board->setAccessible(this);
    watch_.look(board->accessibleNodes());
}

BoardAccessible::~BoardAccessible() {
    // Also runs as the board is destroyed, when it is a board no longer.
    if (auto* alive = qobject_cast<BoardWidget*>(widget())) alive->setAccessible(nullptr);
    for (const auto& [key, element] : elements_)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(element));
}

BoardWidget* BoardAccessible::board() const {
    return static_cast<BoardWidget*>(widget());
}

QAccessibleInterface* BoardAccessible::element(ElementRef ref) const {
    QAccessibleInterface*& element = elements_[KeyOf(ref)];
    if (!element) {
        element = new ElementAccessible(board(), ref);
        QAccessible::registerAccessibleInterface(element);
    }
    return element;
}

int BoardAccessible::childCount() const {
    return static_cast<int>(board()->accessibleNodes().size());
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    const std::vector<AccessibleNode> nodes = board()->accessibleNodes();
    return index >= 0 && index < static_cast<int>(nodes.size()) ? element(nodes[index].ref)
                                                                : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<AccessibleNode> nodes = board()->accessibleNodes();
    for (int i = 0; i < static_cast<int>(nodes.size()); ++i)
        if (element(nodes[i].ref) == child) return i;
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const ElementRef ref = board()->elementAt(board()->mapFromGlobal(QPointF(x, y)));
    return ref.kind == ElementRef::None ? nullptr : element(ref);
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    for (const AccessibleNode& n : board()->accessibleNodes())
        if (n.focused) return element(n.ref);
    return nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return QString::fromUtf8(boardName);
    return QAccessibleWidget::text(t);
}

void BoardAccessible::announceChanges() {
    const AccessibleChanges changes = watch_.look(board()->accessibleNodes());
    for (const ElementRef& ref : changes.renamed) {
        QAccessibleEvent renamed(element(ref), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    if (changes.reordered) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
    if (changes.focus.kind != ElementRef::None) {
        QAccessibleEvent focus(element(changes.focus), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void InstallBoardAccessibility() {
    static bool installed = false;
    if (!installed) QAccessible::installFactory(BoardFactory);
    installed = true;
}

} // namespace pirandella
