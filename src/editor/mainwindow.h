#pragma once

#include "previewpanel.h"

#include <QMainWindow>

#include <memory>

struct PictureDocument;
class Prompts;
enum class SaveOutcome;
class HelpWindow;
class LogoWindow;
class DocumentLoading;
class DrawingField;
class FramesDialog;
class StatusArea;
class Toolbar;

// The editor's one main window: it owns the document, shows it on the drawing field, the status
// area and the preview, and offers every command through the menu, the toolbar and keys.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    PictureDocument& document() { return *doc_; }

    // Repaints every cell of the current frame, then the status labels and the title.
    void redrawField();
    // Title after a file was opened or written: the file name without its extension.
    void showTitle();

    // The preview timer's interval; 0 stops the timer.
    void setPreviewInterval(int milliseconds) { preview_->setInterval(milliseconds); }

    // The logo window that showed the splash at start-up; the About command shows it again, so
    // the splash's count goes on there. Without one, About makes its own on first use. The
    // caller keeps ownership.
    void setLogoWindow(LogoWindow* logo) { logoWindow_ = logo; }

    // One tick of the preview timer: shows frame ka at true size, sets the progress bar and
    // moves ka on for an animation. With the preview switched off it only blanks the box.
    void previewTick() { preview_->tick(); }

    // Opens a file the desktop hands over, on the command line or by a drop: a two-colour .bmp
    // file runs Import from BMP, another image Qt reads (.png, .gif, .jpg, a colour .bmp, ...) is
    // opened in two colours, any other file runs Open, each with its question, checks and
    // messages, as if the file had been chosen in the command's dialog.
    void openPath(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(QWidget* client);
    void connectCommands();
    void setTabOrderByDesign();
    void layOutField(QSize clientSize);

    void newPictureCommand();
    void newAnimationCommand();
    void gridCommand();
    void showTitleIfWritten(SaveOutcome outcome);
    // Frame commands answer "Только для анимации" for a picture; true when they did.
    bool refusedForPicture();
    void showAbout();
    void showHelp();
    void runFrameCommand(void (*command)(PictureDocument&));
    void animationParametersCommand();
    // Runs the picture size dialog modally; the field shows the size it leaves at once.
    void openSizeDialog();

    std::unique_ptr<PictureDocument> doc_;
    Prompts& prompts_;
    Toolbar* toolbar_ = nullptr;
    DrawingField* pole_ = nullptr;
    StatusArea* status_ = nullptr;
    PreviewPanel* preview_ = nullptr;
    std::unique_ptr<DocumentLoading> loading_;
    LogoWindow* logoWindow_ = nullptr;     // made on first use, then only hidden and shown
    HelpWindow* helpWindow_ = nullptr;     // made on first use, then only hidden and shown
    FramesDialog* framesDialog_ = nullptr; // made on first use, then only hidden and shown
};
