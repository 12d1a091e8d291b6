#include "documentloading.h"

#include "givenfilekind.h"
#include "imageopening.h"
#include "importcommand.h"
#include "mainwindow.h"
#include "opencommand.h"
#include "picturedocument.h"
#include "previewcycle.h"
#include "previewpanel.h"

DocumentLoading::DocumentLoading(MainWindow& window, PreviewPanel& preview, Prompts& prompts)
    : window_(window), doc_(window.document()), preview_(preview), prompts_(prompts) {}

void DocumentLoading::openFile(const QString& givenPath) {
    replaceDocument([&] { return openDocument(doc_, prompts_, givenPath); });
}

// The preview rests while the command asks and reads, and then runs at the speed of whatever
// document the command leaves.
void DocumentLoading::replaceDocument(const std::function<OpenOutcome()>& open) {
    const std::string fileBefore = doc_.fileName;
    window_.setPreviewInterval(0);
    if (open() == OpenOutcome::Loaded) {
        preview_.clear();
        window_.redrawField();
        window_.showTitle();
    } else {
        showTitleIfSavedMeanwhile(fileBefore);
    }
    window_.setPreviewInterval(previewIntervalMs(doc_));
}

void DocumentLoading::importBmpFile(const QString& givenPath) {
    const std::string fileBefore = doc_.fileName;
    if (importBmp(doc_, prompts_, givenPath) != ImportOutcome::Imported) {
        showTitleIfSavedMeanwhile(fileBefore);
        return;
    }
    window_.redrawField();
    window_.update();
}

// A Yes to the save-changes question may have given the document a file before the command
// stopped; the title then names it.
void DocumentLoading::showTitleIfSavedMeanwhile(const std::string& fileBefore) {
    if (doc_.fileName != fileBefore) {
        window_.showTitle();
    }
}

void DocumentLoading::openPath(const QString& path) {
    switch (givenFileKind(path)) {
    case GivenFileKind::TwoColourBmp:
        importBmpFile(path);
        return;
    case GivenFileKind::Image:
        openImageFile(path);
        return;
    case GivenFileKind::Document:
        openFile(path);
        return;
    }
}

void DocumentLoading::openImageFile(const QString& path) {
    replaceDocument([&] { return openImage(doc_, prompts_, path); });
}
