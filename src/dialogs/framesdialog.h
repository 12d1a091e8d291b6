#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

// The animation-parameters dialog (Form5): one slider for the number of frames, 1..16, with the
// chosen number beside it. OK accepts and Отмена (or the close box) rejects; both only hide the
// dialog, which the main window keeps for the whole run.
class FramesDialog : public QDialog {
    Q_OBJECT

public:
    explicit FramesDialog(QWidget* parent = nullptr);

    // Puts the slider and its label at the given count.
    void setFrameCount(int count);
    int frameCount() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCount(int count);

    QLabel* countLabel_ = nullptr;
    QScrollBar* countSlider_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
