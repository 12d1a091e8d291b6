#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>

struct PictureDocument;
class QLabel;
class QListWidget;
class QScrollBar;

// The picture size dialog (Form2): a width bar, a height bar and a list of the phones' standard
// sizes choose the size, shown as a read-out and as a lattice of dots, one dot per picture
// pixel. It starts from the document's size and leaves the document alone: OK accepts, and the
// caller then takes the chosen size; Отмена and the close box reject. The main window makes a new
// one each time.
class SizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit SizeDialog(const PictureDocument& doc, QWidget* parent = nullptr);

    // The width and the height the bars show.
    QSize chosenSize() const;

protected:
    // Each showing starts from the document's size.
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void chooseListEntry(int row);
    // Shows the bars' size as the read-out and as the dot lattice.
    void drawSizePreview();

    const PictureDocument& doc_;
    QImage preview_; // the dotted 296 x 240 area at the top left, copied out on paint
    QScrollBar* heightBar_ = nullptr; // VScroll1
    QScrollBar* widthBar_ = nullptr;  // HScroll1
    QListWidget* sizeList_ = nullptr; // List1
    QLabel* readOut_ = nullptr;       // Label1
};
