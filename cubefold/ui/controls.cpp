#include "controls.h"

#include <algorithm>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
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

QPixmap cubeEmblem() {
    QPixmap pixmap(50, 50);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    const QPointF centre(25, 27), top(25, 3), left(4, 15), right(46, 15), lowLeft(4, 39),
        lowRight(46, 39), bottom(25, 49);
    painter.setBrush(QColor(0xFF, 0xC0, 0xC0));
    painter.drawPolygon(QPolygonF({centre, top, left, lowLeft}));
    painter.setBrush(QColor(0xC0, 0xE0, 0xFF));
    painter.drawPolygon(QPolygonF({centre, top, right, lowRight}));
    painter.setBrush(QColor(0xFF, 0xF0, 0xA0));
    painter.drawPolygon(QPolygonF({centre, lowLeft, bottom, lowRight}));
    return pixmap;
}

void fitFontToWidth(QLabel& label, const QStringList& texts) {
    QFont font = label.font();
    auto widest = [&texts](const QFont& f) {
        const QFontMetrics metrics(f);
        int width = 0;
        for (const QString& text : texts) width = std::max(width, metrics.horizontalAdvance(text));
        return width;
    };
    while (widest(font) > label.width() && QFontInfo(font).pixelSize() > 6)
        font.setPixelSize(QFontInfo(font).pixelSize() - 1);
    label.setFont(font);
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace picturecraft::cubefold
