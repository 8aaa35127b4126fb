#include "controls.h"

#include <QColor>
#include <QMenuBar>
#include <QScreen>

#include "canvas.h"

namespace picturecraft::whirlfold {

QRect TwipsRect(int left, int top, int width, int height) {
    const auto pixels = [](int twips) { return static_cast<int>(twips / kTwipsPerPixel); };
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

QPushButton* MakeColouredButton(QWidget* parent, const QString& name, const QString& caption,
                                QRgb colour, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    const QColor face = QColor::fromRgb(colour);
    // A style sheet fills the face whatever the platform style; the darker shade marks a press.
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080;"
                       " border-right-color: #404040; border-bottom-color: #404040; }"
                       "QPushButton:pressed { background-color: %2; }")
            .arg(face.name(), face.darker(115).name()));
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

}  // namespace picturecraft::whirlfold

namespace picturecraft::whirlfold {

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void ResizeClientArea(QMainWindow* window, QSize client) {
    window->resize(client.width(), client.height() + window->menuBar()->sizeHint().height());
}

}  // namespace picturecraft::whirlfold
