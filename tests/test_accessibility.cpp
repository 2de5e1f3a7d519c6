// The board as a screen reader finds it, through Qt's accessibility interfaces. Runs on an X
// server with the accessibility bridge switched on, as it is while a screen reader listens.
#include "window_helpers.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

std::vector<std::pair<QAccessible::Event, QString>> told; // what the screen reader was told

void Listen(QAccessibleEvent* e) {
    const QAccessibleInterface* about = e->accessibleInterface();
    const bool said = e->type() == QAccessible::DescriptionChanged; // what it says, else its name
    told.push_back(
        {e->type(),
         about ? about->text(said ? QAccessible::Description : QAccessible::Name) : QString()});
}

// The bridge to the screen reader's bus switches on once it has reached that bus.
bool BridgeOn() {
    return QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000);
}

QAccessibleInterface* Board(MainWindow& w) {
    return QAccessible::queryAccessibleInterface(w.board());
}

// The board's children of one role, by name.
QStringList Names(QAccessibleInterface* board, QAccessible::Role role) {
    QStringList names;
    for (int i = 0; i < board->childCount(); ++i)
        if (board->child(i)->role() == role) names << board->child(i)->text(QAccessible::Name);
    return names;
}

} // namespace

TEST(ScreenReader, FindsTheMessageTheArrowsAndTheTilesOfEverySize) {
    ASSERT_TRUE(BridgeOn());
    for (int n : {5, 6, 7}) {
        MainWindow w(GameOfSize(n));
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QAccessibleInterface* board = Board(w);
        ASSERT_TRUE(board);
        EXPECT_EQ(board->text(QAccessible::Name), "Tabellone");
        EXPECT_EQ(board->childCount(), 1 + 4 * n + n * n) << n;
        const QStringList messages = Names(board, QAccessible::StaticText);
        EXPECT_EQ(messages,
                  QStringList{QString("in orizzontale posiziona %1 nomi di animali").arg(n)});
        const QStringList arrows = Names(board, QAccessible::Button);
        ASSERT_EQ(arrows.size(), 4 * n);
        EXPECT_EQ(arrows.front(), "Colonna 1, ruota in giù");
        EXPECT_TRUE(arrows.contains(QString("Riga %1, ruota a sinistra").arg(n)));
        EXPECT_TRUE(arrows.contains("Riga 2, ruota a destra"));
        EXPECT_EQ(arrows.back(), QString("Colonna %1, ruota in su").arg(n));
        const QStringList tiles = Names(board, QAccessible::Cell);
        ASSERT_EQ(tiles.size(), n * n);
        const Game& s = w.midend().game();
        for (int pos : {0, n + 2, n * n - 1}) {
            const char letter = s.board[pos].character();
            const QString expected = QString("Riga %1, colonna %2: %3")
                                         .arg(pos / n + 1)
                                         .arg(pos % n + 1)
                                         .arg(QChar(letter)) +
                                     (s.solutionText[pos] == letter ? ", al posto giusto" : "");
            EXPECT_EQ(tiles[pos], expected) << n;
        }
    }
}

// How often the screen reader was told of one kind of event, and about what (empty: anything).
int Told(QAccessible::Event kind, const QString& about = {}) {
    return static_cast<int>(std::count_if(told.begin(), told.end(), [&](auto& t) {
        return t.first == kind && (about.isEmpty() || t.second.startsWith(about));
    }));
}

TEST(ScreenReader, FollowsTheMarkerHearsEachMoveAndTheEndOfTheSolution) {
    ASSERT_TRUE(BridgeOn());
    MainWindow w(GameOfSize(6));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow(); // no window manager gives it the keys
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.board()->hasFocus(); }, 2000));
    QAccessibleInterface* board = Board(w);
    const Midend& g = w.midend();
    told.clear();
    QAccessible::installUpdateHandler(Listen);
    QTest::keyClick(w.board(), Qt::Key_Down); // the marker, and the focus, on the first arrow
    QAccessibleInterface* arrow = board->focusChild();
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->text(QAccessible::Name), "Colonna 1, ruota in giù");
    EXPECT_TRUE(arrow->state().focused);
    EXPECT_EQ(Told(QAccessible::Focus, "Colonna 1"), 1);
    // Where it stands on the screen, in the screen's own pixels, and found there again.
    const qreal dpr = w.devicePixelRatioF();
    const QPoint centre = w.board()->mapToGlobal(CentreOf(w, g.window().arrows[0])) * dpr;
    EXPECT_TRUE(arrow->rect().contains(centre));
    EXPECT_EQ(arrow->rect().size(), QSize(34, 34) * dpr);
    EXPECT_EQ(board->childAt(centre.x(), centre.y()), arrow);
    EXPECT_EQ(board->indexOfChild(arrow), 1); // after the message line, before the tiles
    EXPECT_TRUE(board->child(1 + 24)->role() == QAccessible::Cell);
    // A press turns the column, and what it holds now is said.
    arrow->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(g.game().moveCount, 31);
    EXPECT_EQ(Told(QAccessible::ObjectShow, "Colonna 1: "), 1);
    EXPECT_TRUE(arrow->text(QAccessible::Description).startsWith("Colonna 1: "));
    EXPECT_EQ(board->child(1 + 24)->text(QAccessible::Description), ""); // only arrows have one
    // The tiles of the column tell their new names, one event each (six of them, less any
    // whose letter came back the same); tiles and the message line take no press.
    EXPECT_GE(Told(QAccessible::NameChanged, "Riga "), 4);
    EXPECT_EQ(Told(QAccessible::NameChanged), Told(QAccessible::NameChanged, "Riga "));
    EXPECT_FALSE(board->child(1 + 24)->actionInterface());
    EXPECT_FALSE(board->child(0)->actionInterface());
    // The solution: the arrows go one by one, the message line takes the focus, and the names
    // of the solution are said.
    w.menuAction(Command::ShowSolution)->trigger();
    while (w.timer().isActive()) w.midend().tick();
    EXPECT_EQ(Told(QAccessible::ObjectDestroyed), 24);
    EXPECT_EQ(Told(QAccessible::ObjectReorder), 0);
    EXPECT_EQ(Told(QAccessible::Focus, "in orizzontale"), 1);
    EXPECT_EQ(Told(QAccessible::ObjectShow, "Soluzione: "), 1);
    EXPECT_EQ(board->childCount(), 1 + 36);
    EXPECT_FALSE(arrow->state().focusable); // the arrow that had the focus is gone with it
    EXPECT_TRUE(arrow->state().invisible);
    EXPECT_EQ(board->focusChild()->role(), QAccessible::StaticText);
    // A new puzzle: its arrows come back, and its task is said.
    told.clear();
    w.midend().random().script({SizeDraw(5)});
    QTest::keyClick(w.board(), Qt::Key_F2);
    EXPECT_EQ(Told(QAccessible::ObjectCreated), 20);
    EXPECT_EQ(Told(QAccessible::ObjectDestroyed), 11); // six tiles each way, less the one kept
    EXPECT_EQ(Told(QAccessible::ObjectShow, "in orizzontale posiziona 5 nomi"), 1);
    QAccessible::installUpdateHandler(nullptr);
}

TEST(ScreenReader, ReadsTheInstructionsAsTextOverWhatTheyCover) {
    ASSERT_TRUE(BridgeOn());
    MainWindow w(GameOfSize(5));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow(); // no window manager gives it the keys
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.board()->hasFocus(); }, 2000));
    QAccessibleInterface* board = Board(w);
    QTest::keyClick(w.board(), Qt::Key_F1);
    QAccessibleInterface* page = board->focusChild();
    ASSERT_TRUE(page);
    EXPECT_EQ(board->indexOfChild(page), 1);
    EXPECT_TRUE(page->text(QAccessible::Name).startsWith("ISTRUZIONI\n\nCliccando"));
    EXPECT_TRUE(page->text(QAccessible::Name).contains("F10 apre il menu"));
    EXPECT_LT(board->childCount(), 1 + 1 + 20 + 25); // what lies under the page is not there
    EXPECT_EQ(w.menuAction(Command::Instructions)->text(), "Esci da Istruzioni");
    page->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // as a click
    EXPECT_FALSE(w.midend().window().page.visible);
    EXPECT_EQ(w.menuAction(Command::Instructions)->text(), "Istruzioni");
    EXPECT_EQ(board->childCount(), 1 + 20 + 25);
}
