// The board as a screen reader finds it, through Qt's accessibility interfaces. Runs on an X
// server with the accessibility bridge switched on, as it is while a screen reader listens.
#include "window_helpers.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

std::vector<std::pair<QAccessible::Event, QString>> told; // what the screen reader was told

void Listen(QAccessibleEvent* e) {
    const QAccessibleInterface* about = e->accessibleInterface();
    told.push_back({e->type(), about ? about->text(QAccessible::Name) : QString()});
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

QAccessibleInterface* Named(QAccessibleInterface* board, const QString& name) {
    for (int i = 0; i < board->childCount(); ++i)
        if (board->child(i)->text(QAccessible::Name) == name) return board->child(i);
    return nullptr;
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
        const GameState& s = w.game().state;
        for (int pos : {0, n + 2, n * n - 1}) {
            const QString expected =
                QString("Riga %1, colonna %2: %3")
                    .arg(pos / n + 1)
                    .arg(pos % n + 1)
                    .arg(QChar(64 + s.board[pos][1])) +
                (s.solutionText[pos] - 64 == s.board[pos][1] ? ", al posto giusto" : "");
            EXPECT_EQ(tiles[pos], expected) << n;
        }
    }
}

TEST(ScreenReader, PressesAnArrowAndHearsWhatChanged) {
    ASSERT_TRUE(BridgeOn());
    MainWindow w(GameOfSize(6));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QAccessibleInterface* board = Board(w);
    Game& g = w.game();
    Game expected = g;
    Move(expected, 4, 2); // row 2 turns left
    QAccessibleInterface* arrow = Named(board, "Riga 2, ruota a sinistra");
    ASSERT_TRUE(arrow);
    ASSERT_TRUE(arrow->actionInterface());
    EXPECT_EQ(arrow->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    const QString before = Names(board, QAccessible::Cell)[6]; // row 2, column 1
    told.clear();
    QAccessible::installUpdateHandler(Listen);
    arrow->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Letters(g), Letters(expected));
    const QString after = Names(board, QAccessible::Cell)[6];
    EXPECT_TRUE(after.startsWith("Riga 2, colonna 1: "));
    EXPECT_EQ(after.mid(19, 1), QString(QChar(64 + g.state.board[6][1])));
    if (before != after) {
        EXPECT_NE(std::find(told.begin(), told.end(), std::pair{QAccessible::NameChanged, after}),
                  told.end());
    }
    // Solved by playing the solution: the arrows go, the screen reader is told.
    w.menuAction(mnuSoluzione)->trigger();
    while (w.timer().isActive()) w.tick();
    EXPECT_EQ(Names(board, QAccessible::Button), QStringList());
    EXPECT_EQ(board->childCount(), 1 + 36);
    EXPECT_NE(std::find_if(told.begin(), told.end(),
                           [](auto& t) { return t.first == QAccessible::ObjectReorder; }),
              told.end());
    // A new puzzle: its task is told.
    told.clear();
    g.rng.script({SizeDraw(5)});
    w.menuAction(mnuNS)->trigger();
    EXPECT_NE(std::find(told.begin(), told.end(),
                        std::pair{QAccessible::NameChanged,
                                  QString("in orizzontale posiziona 5 nomi di animali")}),
              told.end());
    QAccessible::installUpdateHandler(nullptr);
}

TEST(ScreenReader, ReadsTheInstructionsOnlyWhileTheyAreShown) {
    ASSERT_TRUE(BridgeOn());
    MainWindow w(GameOfSize(5));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QAccessibleInterface* board = Board(w);
    EXPECT_FALSE(Named(board, "Istruzioni"));
    w.menuAction(mnuIstruzioni)->trigger();
    QAccessibleInterface* page = Named(board, "Istruzioni");
    ASSERT_TRUE(page);
    EXPECT_TRUE(
        page->text(QAccessible::Description).contains("il contenuto delle righe e delle colonne"));
    EXPECT_EQ(board->childCount(), 1 + 1 + 20 + 25);
    page->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // as a click
    EXPECT_FALSE(w.game().window.image2[28].visible);
    EXPECT_EQ(w.menuAction(mnuIstruzioni)->text(), "Istruzioni");
}
