#pragma once

#include <QDialog>
#include <QImage>

struct PictureDocument;
class QLabel;
class QListWidget;
class QScrollBar;

// The picture size dialog (Form2): a width bar, a height bar and a list of the phones' standard
// sizes choose the size, shown as a read-out and as a lattice of dots, one dot per picture
// pixel. OK writes the size into the document and marks it changed; no cell is touched, so
// cells beyond a smaller size come back when the picture grows again. Отмена and the close box
// change nothing. The main window makes a new one each time.
class SizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit SizeDialog(PictureDocument& doc, QWidget* parent = nullptr);

protected:
    // Each showing starts from the document's size.
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void chooseListEntry(int row);
    // Shows the bars' size as the read-out and as the dot lattice.
    void drawSizePreview();
    void confirm();

    PictureDocument& doc_;
    QImage preview_; // the dotted 296 x 240 area at the top left, copied out on paint
    QScrollBar* heightBar_ = nullptr; // VScroll1
    QScrollBar* widthBar_ = nullptr;  // HScroll1
    QListWidget* sizeList_ = nullptr; // List1
    QLabel* readOut_ = nullptr;       // Label1
};
