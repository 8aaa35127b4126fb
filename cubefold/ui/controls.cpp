#include "controls.h"

#include <QGuiApplication>
#include <QScreen>

namespace picturecraft::cubefold {

QPushButton* makeColouredButton(const QString& caption, QColor background, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid "
                                         "#808080; border-radius: 2px; }"
                                         "QPushButton:pressed { background-color: %2; }")
                              .arg(background.name(), background.darker(115).name()));
    return button;
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace picturecraft::cubefold
