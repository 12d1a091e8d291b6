#pragma once

#include <QFrame>
#include <QImage>

struct PictureDocument;

// The true-size preview: a 128 x 96 area in a sunken box, showing one frame of the document
// centred on a light grey background.
class PreviewBox : public QFrame {
    Q_OBJECT

public:
    explicit PreviewBox(QWidget* parent = nullptr);

    // Blanks the area to its background.
    void clear();

    // Draws one frame of the document at true size, centred on the background: set pixels
    // black, clear ones white.
    void showFrame(const PictureDocument& doc, int frame);

    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};
