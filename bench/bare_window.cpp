// The yardsticks for the game's start-up: a plain Qt window of the game
// window's size that paints itself white and does nothing else; with --text
// it also shows one line of text, the least a window with words must load.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class Bare : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::white); }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Bare window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(753, 622);
    QLabel text(QStringLiteral("Очки"), &window);
    text.setVisible(QApplication::arguments().contains(QStringLiteral("--text")));
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
