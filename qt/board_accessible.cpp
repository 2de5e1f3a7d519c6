#include "qt/board_accessible.h"

#include "qt/board_widget.h"
#include "view/spoken_names.h"

#include <QPointer>

namespace pirandella {

namespace {

std::pair<int, int> Key(ElementRef ref) {
    return {static_cast<int>(ref.kind), ref.index};
}

// One element of the board as a screen reader sees it. Arrow cells and the instructions page
// can be pressed, exactly as they can be clicked.
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
        if (!board_) return {};
        if (t == QAccessible::Name) return QString::fromStdString(board_->spokenName(ref_));
        if (t == QAccessible::Description && IsPage())
            return QString::fromStdString(InstructionsText());
        return {};
    }

    QRect rect() const override {
        if (!board_) return {};
        const QRect r = board_->elementRect(ref_);
        return QRect(board_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override {
        if (ref_.kind == ElementRef::Image1) return QAccessible::Cell;
        return IsArrow() ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!board_) return s;
        if (IsArrow()) {
            s.focusable = true;
            s.focused = board_->hasFocus() && board_->focusedArrow() == ref_.index;
        }
        s.invisible = !board_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && (IsArrow() || IsPage()))
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (board_ && action == pressAction() && board_->onClick) board_->onClick(ref_);
    }

  private:
    bool IsArrow() const {
        return ref_.kind == ElementRef::Image2 && ref_.index < WindowModel::arrowCount;
    }
    bool IsPage() const {
        return ref_.kind == ElementRef::Image2 && ref_.index == WindowModel::instructions;
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
    spoken_ = spokenNow();
    focus_ = board->focusedArrow();
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

// Front to back, as the eye meets them: the message line, the page, the arrows, the tiles.
std::vector<ElementRef> BoardAccessible::exposed() const {
    const WindowModel& w = board()->model();
    std::vector<ElementRef> refs;
    if (w.label1[0].visible) refs.push_back({ElementRef::Label1, 0});
    if (w.image2[WindowModel::instructions].visible)
        refs.push_back({ElementRef::Image2, WindowModel::instructions});
    for (int i = 0; i < WindowModel::arrowCount; ++i)
        if (w.image2[i].visible) refs.push_back({ElementRef::Image2, i});
    for (int i = 0; i < WindowModel::tileCount; ++i)
        if (w.image1[i].visible) refs.push_back({ElementRef::Image1, i});
    return refs;
}

QAccessibleInterface* BoardAccessible::element(ElementRef ref) const {
    QAccessibleInterface*& element = elements_[Key(ref)];
    if (!element) {
        element = new ElementAccessible(board(), ref);
        QAccessible::registerAccessibleInterface(element);
    }
    return element;
}

int BoardAccessible::childCount() const {
    return static_cast<int>(exposed().size());
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    const std::vector<ElementRef> refs = exposed();
    return index >= 0 && index < static_cast<int>(refs.size()) ? element(refs[index]) : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<ElementRef> refs = exposed();
    for (int i = 0; i < static_cast<int>(refs.size()); ++i)
        if (element(refs[i]) == child) return i;
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const ElementRef ref = board()->elementAt(board()->mapFromGlobal(QPointF(x, y)));
    return ref.kind == ElementRef::None ? nullptr : element(ref);
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    const int arrow = board()->focusedArrow();
    const ElementRef ref{ElementRef::Image2, arrow};
    return arrow >= 0 && IsVisible(board()->model(), ref) ? element(ref) : nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return QString::fromUtf8(boardName);
    return QAccessibleWidget::text(t);
}

std::map<std::pair<int, int>, std::string> BoardAccessible::spokenNow() const {
    std::map<std::pair<int, int>, std::string> names;
    for (const ElementRef& ref : exposed()) names[Key(ref)] = board()->spokenName(ref);
    return names;
}

void BoardAccessible::announceChanges() {
    std::map<std::pair<int, int>, std::string> now = spokenNow();
    bool reordered = now.size() != spoken_.size();
    for (const auto& [key, name] : now) {
        const auto before = spoken_.find(key);
        if (before == spoken_.end()) {
            reordered = true;
        } else if (before->second != name) {
            const ElementRef ref{static_cast<ElementRef::Kind>(key.first), key.second};
            QAccessibleEvent changed(element(ref), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
    spoken_ = std::move(now);
    if (reordered) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
    const int arrow = board()->focusedArrow();
    if (arrow != focus_ && arrow >= 0 && board()->hasFocus() && focusChild()) {
        QAccessibleEvent focus(focusChild(), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    focus_ = arrow;
}

void InstallBoardAccessibility() {
    static bool installed = false;
    if (!installed) QAccessible::installFactory(BoardFactory);
    installed = true;
}

} // namespace pirandella
