#pragma once

#include <QString>

#include <functional>
#include <string>

struct PictureDocument;
class MainWindow;
class PreviewPanel;
class Prompts;
enum class OpenOutcome;

// The commands that load a new document from a file into the window: Open, Import from BMP and
// an image opened in two colours. Each takes the file chosen in its dialog or one the desktop
// hands over, asks its questions through the prompts, and leaves the window showing what it
// loaded, or, when it stopped, the title of a file that a Yes to the save-changes question wrote.
class DocumentLoading {
public:
    DocumentLoading(MainWindow& window, PreviewPanel& preview, Prompts& prompts);

    // Open and Import from BMP; an empty path shows the command's dialog.
    void openFile(const QString& givenPath);
    void importBmpFile(const QString& givenPath);

    // A two-colour .bmp file runs Import from BMP, another image Qt reads (.png, .gif, .jpg, a
    // colour .bmp, ...) is opened in two colours, any other file runs Open.
    void openPath(const QString& path);

private:
    void openImageFile(const QString& path);
    // Runs a command that may load a new document, and shows what it leaves.
    void replaceDocument(const std::function<OpenOutcome()>& open);
    void showTitleIfSavedMeanwhile(const std::string& fileBefore);

    MainWindow& window_;
    PictureDocument& doc_;
    PreviewPanel& preview_;
    Prompts& prompts_;
};
