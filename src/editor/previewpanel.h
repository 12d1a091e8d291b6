#pragma once

#include <QWidget>

struct PictureDocument;
class FrameProgressBar;
class PreviewBox;
class QCheckBox;
class QTimer;

// The left column's preview: the check box that switches it on, the true-size box, the progress
// bar under it and the timer whose tick plays the document. The timer runs at the interval the
// window's commands set. Its controls stand at the design's places in the client area, with the
// panel's top-left corner at (0, 112).
class PreviewPanel : public QWidget {
    Q_OBJECT

public:
    PreviewPanel(PictureDocument& doc, QWidget* client);

    // The timer's interval; 0 stops the timer.
    void setInterval(int milliseconds);

    // One tick of the timer: shows frame ka at true size, sets the progress bar and moves ka on
    // for an animation. With the preview switched off it only blanks the box.
    void tick();

    // Blanks the box to its background.
    void clear();

    // The check box, which comes after the drawing field in the window's focus order.
    QCheckBox* previewCheck() const { return previewCheck_; }

private:
    PictureDocument& doc_;
    QCheckBox* previewCheck_ = nullptr; // Check1
    PreviewBox* view_ = nullptr;
    FrameProgressBar* progressBar_ = nullptr; // ProgressBar1
    QTimer* timer_ = nullptr;                 // Timer1
};
