#pragma once

#include <QFont>

// The small sans face the windows are laid out for: their captions fit their fixed places in it.
inline QFont designFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
