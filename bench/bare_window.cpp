// The floor for start-up: a bare Qt window of the game's size with the same four-command menu
// bar, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* caption : {"Soluzione", "Nuovo schema", "Istruzioni", "Annulla mossa"})
        window.menuBar()->addAction(QString::fromLatin1(caption));
    auto* client = new QWidget(&window);
    client->setFixedSize(407, 450);
    window.setCentralWidget(client);
    window.setWindowTitle(QStringLiteral("bare"));
    window.show();
    return app.exec();
}
