#include "mainwindow.h"

#include "clipboardcommands.h"
#include "designmenus.h"
#include "documentloading.h"
#include "drawingfield.h"
#include "filedrops.h"
#include "framecommands.h"
#include "framesdialog.h"
#include "helpwindow.h"
#include "logowindow.h"
#include "newdocument.h"
#include "optioncommands.h"
#include "physicalkeyshortcuts.h"
#include "picturedocument.h"
#include "previewcycle.h"
#include "previewpanel.h"
#include "prompts.h"
#include "savecommands.h"
#include "scrollcommands.h"
#include "sizedialog.h"
#include "statusarea.h"
#include "titlerules.h"
#include "toolbar.h"
#include "typedcharacters.h"
#include "windowlook.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr QSize kStartClientSize(421, 342);
constexpr int kLeftColumnWidth = 136;
constexpr int kFieldTop = 56;

// Commands that may change cells of the current frame and are followed by a full redraw.
const struct {
    const char* action;
    void (*command)(PictureDocument&);
} kEditingCommands[] = {
    {"editundo", undoEdit}, {"editcut", cutFrame},   {"editpaste", pasteFrame},
    {"delete", eraseFrame}, {"sup", scrollUp},       {"sdown", scrollDown},
    {"sleft", scrollLeft},  {"sright", scrollRight},
};

} // namespace

MainWindow::MainWindow(Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), doc_(std::make_unique<PictureDocument>()), prompts_(prompts) {
    setObjectName("Form1");
    setFont(designFont());
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    addDesignMenus(*menuBar());
    addMenuBarKey(*menuBar(), *this);
    createControls(client);
    connectCommands();
    new PhysicalKeyShortcuts(this);
    setTabOrderByDesign();
    client->installEventFilter(this);
    new FileDrops(this, [this](const QString& path) { openPath(path); });

    newPictureCommand();
    showTitle();

    resize(kStartClientSize.width(), kStartClientSize.height() + menuBar()->sizeHint().height());
    layOutField(kStartClientSize);
    centreOnScreen(*this);
    toolbar_->button(0)->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls(QWidget* client) {
    toolbar_ = new Toolbar(*this, client);
    status_ = new StatusArea(client);
    preview_ = new PreviewPanel(*doc_, client);
    pole_ = new DrawingField(*doc_, client);
    loading_ = std::make_unique<DocumentLoading>(*this, *preview_, prompts_);
    pole_->setGeometry(kLeftColumnWidth, kFieldTop, kStartClientSize.width() - kLeftColumnWidth,
                       kStartClientSize.height() - kFieldTop);
    connect(pole_, &DrawingField::resized, this, &MainWindow::redrawField);
    connect(pole_, &DrawingField::paintRequested, this, &MainWindow::redrawField);
    new TypedCharacters(*this, pole_, toolbar_->buttonsFromLeft(), this);
}

void MainWindow::connectCommands() {
    const auto onTrigger = [this](const char* name, auto slot) {
        connect(menuAction(*this, name), &QAction::triggered, this, slot);
    };
    onTrigger("filenew", &MainWindow::newPictureCommand);
    onTrigger("newani", &MainWindow::newAnimationCommand);
    onTrigger("fileexit", &MainWindow::close);
    onTrigger("setka", &MainWindow::gridCommand);
    onTrigger("fileopen", [this] { loading_->openFile(QString()); });
    onTrigger("frombmp", [this] { loading_->importBmpFile(QString()); });
    onTrigger("filesave", [this] { showTitleIfWritten(saveDocument(*doc_, prompts_)); });
    onTrigger("filesaveas", [this] { showTitleIfWritten(saveDocumentAs(*doc_, prompts_)); });
    onTrigger("helpme", &MainWindow::showHelp);
    onTrigger("about", &MainWindow::showAbout);
    for (const auto& entry : kEditingCommands) {
        onTrigger(entry.action, [this, entry] {
            entry.command(*doc_);
            redrawField();
        });
    }
    // Copying changes nothing visible: no redraw.
    onTrigger("editcopy", [this] { copyFrame(*doc_); });
    onTrigger("frnext", [this] { runFrameCommand(nextFrame); });
    onTrigger("frfor", [this] { runFrameCommand(previousFrame); });
    onTrigger("ainopt", &MainWindow::animationParametersCommand);
    onTrigger("size", &MainWindow::openSizeDialog);
}

// The toolbar's buttons from left to right, then the drawing field, then the other controls.
void MainWindow::setTabOrderByDesign() {
    setTabOrder(toolbar_->buttonsFromLeft().back(), pole_);
    setTabOrder(pole_, preview_->previewCheck());
}

void MainWindow::redrawField() {
    pole_->redrawCells();
    status_->showDocument(*doc_);
    setWindowTitle(QString::fromStdString(fullTitle(*doc_)));
}

void MainWindow::showTitle() {
    setWindowTitle(QString::fromStdString(shortTitle(*doc_)));
}

void MainWindow::showTitleIfWritten(SaveOutcome outcome) {
    if (outcome == SaveOutcome::Written) {
        showTitle();
    }
}

void MainWindow::openPath(const QString& path) {
    loading_->openPath(path);
}

void MainWindow::newPictureCommand() {
    if (!mayDiscardChanges(*doc_, prompts_, "Создание нового рисунка")) {
        return;
    }
    newPicture(*doc_);
    setPreviewInterval(previewIntervalMs(*doc_));
    redrawField();
}

void MainWindow::newAnimationCommand() {
    if (!mayDiscardChanges(*doc_, prompts_, "Создание новой анимации")) {
        return;
    }
    newAnimation(*doc_);
    setPreviewInterval(previewIntervalMs(*doc_));
    preview_->clear();
    redrawField();
}

bool MainWindow::refusedForPicture() {
    if (isAnimation(*doc_)) {
        return false;
    }
    prompts_.showNotice(QStringLiteral("Только для анимации"));
    return true;
}

void MainWindow::runFrameCommand(void (*command)(PictureDocument&)) {
    if (refusedForPicture()) {
        return;
    }
    command(*doc_);
    redrawField();
}

// The dialog is made anew for each run. The preview box is blanked before and, after OK, again;
// it picks the new size up at its next tick.
void MainWindow::openSizeDialog() {
    preview_->clear();
    SizeDialog dialog(*doc_, this);
    if (dialog.exec() == QDialog::Accepted) {
        const QSize size = dialog.chosenSize();
        setPictureSize(*doc_, size.width(), size.height());
        preview_->clear();
    }
    redrawField();
}

void MainWindow::animationParametersCommand() {
    if (refusedForPicture()) {
        return;
    }
    if (framesDialog_ == nullptr) {
        framesDialog_ = new FramesDialog(this);
    }
    framesDialog_->setFrameCount(doc_->kK);
    if (framesDialog_->exec() == QDialog::Accepted) {
        setFrameCount(*doc_, framesDialog_->frameCount());
    }
    // The field and the frame labels show the new count as soon as the dialog is gone.
    redrawField();
}

// The About box is modal, but nothing follows it here: the command shows it and returns, and the
// window blocks the program's other windows until a key, a click or the splash count hides it.
void MainWindow::showAbout() {
    if (logoWindow_ == nullptr) {
        logoWindow_ = new LogoWindow(this);
    }
    logoWindow_->showModal();
}

void MainWindow::showHelp() {
    if (helpWindow_ == nullptr) {
        helpWindow_ = new HelpWindow(this);
    }
    helpWindow_->showInFront();
}

void MainWindow::gridCommand() {
    toggleGrid(*doc_);
    menuAction(*this, "setka")->setChecked(isSet(doc_->gridOn));
    redrawField();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayDiscardChanges(*doc_, prompts_, "Выход")) {
        event->ignore();
        return;
    }
    event->accept();
    // The whole program ends with the main window, the help window and any dialog included.
    QCoreApplication::quit();
}

void MainWindow::layOutField(QSize clientSize) {
    QRect field = pole_->geometry();
    if (clientSize.width() > kLeftColumnWidth) {
        field.setWidth(clientSize.width() - kLeftColumnWidth);
    }
    if (clientSize.height() > kFieldTop) {
        field.setHeight(clientSize.height() - kFieldTop);
    }
    pole_->setGeometry(field);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        layOutField(static_cast<QResizeEvent*>(event)->size());
    }
    return QMainWindow::eventFilter(watched, event);
}
