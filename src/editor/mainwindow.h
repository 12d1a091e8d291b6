#pragma once

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>

struct PictureDocument;
class Prompts;
enum class SaveOutcome;
class HelpWindow;
class LogoWindow;
class DrawingField;
class FramesDialog;
class PreviewBox;
class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

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
    void setPreviewInterval(int milliseconds);

    // The logo window that showed the splash at start-up; the About command shows it again, so
    // the splash's count goes on there. Without one, About makes its own on first use. The
    // caller keeps ownership.
    void setLogoWindow(LogoWindow* logo) { logoWindow_ = logo; }

    // One tick of the preview timer: shows frame ka at true size, sets the progress bar and
    // moves ka on for an animation. With the preview switched off it only blanks the box.
    void previewTick();

    // Opens a file the desktop hands over, on the command line or by a drop: a .bmp file runs
    // Import from BMP, any other file Open, each with its question, checks and messages, as if
    // the file had been chosen in the command's dialog.
    void openPath(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls(QWidget* client);
    void createToolbar(QWidget* client);
    void createMenus();
    void connectCommands();
    void setTabOrderByDesign();
    void layOutField(QSize clientSize);
    bool handleTypedCharacter(QObject* watched, const QString& text);
    QAction* actionNamed(const char* name) const;

    // Asks "Сохранить изменения?" when the document was changed; false when the command that
    // asks must stop.
    bool mayDiscardChanges(const QString& title);

    void newPictureCommand();
    void newAnimationCommand();
    void gridCommand();
    void openCommand();
    void importBmpCommand();
    // The two commands with the file given instead of chosen; an empty path shows the dialog.
    void openFile(const QString& givenPath);
    void importBmpFile(const QString& givenPath);
    void showTitleIfWritten(SaveOutcome outcome);
    void showTitleIfSavedMeanwhile(const std::string& fileBefore);
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
    DrawingField* pole_ = nullptr;
    PreviewBox* view_ = nullptr;
    QCheckBox* previewCheck_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QTimer* previewTimer_ = nullptr;
    LogoWindow* logoWindow_ = nullptr;       // made on first use, then only hidden and shown
    HelpWindow* helpWindow_ = nullptr;       // made on first use, then only hidden and shown
    FramesDialog* framesDialog_ = nullptr;   // made on first use, then only hidden and shown
    std::array<QLabel*, 3> captionLabels_{}; // Label1: size, frames, current
    std::array<QLabel*, 5> valueLabels_{};   // Label2: size, format, bytes, frames, current
    std::array<QPushButton*, 12> toolbar_{}; // Command1, by design index
};
