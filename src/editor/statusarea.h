#pragma once

#include <QWidget>

#include <array>

struct PictureDocument;
class QLabel;

// The main window's status area: the picture size, the format and the file's byte count in a
// row above the drawing field, and an animation's frame count and current frame beside it.
// Its labels stand at the design's places in the client area, with the area's top-left corner
// at (0, 32).
class StatusArea : public QWidget {
    Q_OBJECT

public:
    explicit StatusArea(QWidget* client);

    // Shows the document's size, format and byte count, and its frames for an animation.
    void showDocument(const PictureDocument& doc);

private:
    std::array<QLabel*, 3> captionLabels_{}; // Label1: size, frames, current
    std::array<QLabel*, 5> valueLabels_{};   // Label2: size, format, bytes, frames, current
};
