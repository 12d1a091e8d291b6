#include "mainwindow.h"

#include "clipboardcommands.h"
#include "designfont.h"
#include "documentfacts.h"
#include "drawingfield.h"
#include "framecommands.h"
#include "framesdialog.h"
#include "helpwindow.h"
#include "importcommand.h"
#include "logowindow.h"
#include "mainwindowdesign.h"
#include "newdocument.h"
#include "opencommand.h"
#include "physicalkeyshortcuts.h"
#include "picturedocument.h"
#include "previewbox.h"
#include "previewcycle.h"
#include "prompts.h"
#include "savecommands.h"
#include "scrollcommands.h"
#include "sizedialog.h"
#include "toolbaricon.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace {

constexpr QSize kStartClientSize(421, 342);
constexpr int kLeftColumnWidth = 136;
constexpr int kFieldTop = 56;

using DocumentCommand = void (*)(PictureDocument&);

// Commands that may change cells of the current frame and are followed by a full redraw.
const struct {
    const char* action;
    DocumentCommand command;
} kEditingCommands[] = {
    {"editundo", undoEdit}, {"editcut", cutFrame},   {"editpaste", pasteFrame},
    {"delete", eraseFrame}, {"sup", scrollUp},       {"sdown", scrollDown},
    {"sleft", scrollLeft},  {"sright", scrollRight},
};

const QString kOnlyForAnimation = QStringLiteral("Только для анимации");

// The first dragged local file that Open or Import from BMP reads, by its extension.
QString droppedPath(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == u"ems" || suffix == u"ema" || suffix == u"bmp") {
            return path;
        }
    }
    return QString();
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  Qt::Alignment alignment, bool bordered) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    if (bordered) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

} // namespace

MainWindow::MainWindow(Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), doc_(std::make_unique<PictureDocument>()), prompts_(prompts) {
    setObjectName("Form1");
    setFont(designFont());
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    createMenus();
    createToolbar(client);
    createControls(client);
    connectCommands();
    new PhysicalKeyShortcuts(this);
    setTabOrderByDesign();
    client->installEventFilter(this);
    setAcceptDrops(true);

    newPictureCommand();
    showTitle();

    resize(kStartClientSize.width(), kStartClientSize.height() + menuBar()->sizeHint().height());
    layOutField(kStartClientSize);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    toolbar_[0]->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::createToolbar(QWidget* client) {
    for (const ToolbarButton& entry : kToolbar) {
        auto* button = new QPushButton(client);
        button->setObjectName(QStringLiteral("Command1_%1").arg(entry.index));
        button->setGeometry(entry.left, 0, 29, 29);
        button->setIcon(toolbarIcon(QStringLiteral(":/toolbar/%1.xpm").arg(entry.picture)));
        button->setIconSize(QSize(24, 24));
        button->installEventFilter(this);
        QAction* action = actionNamed(entry.action);
        // The button shows only its picture; a screen reader says the command's menu caption.
        button->setAccessibleName(action->text());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        toolbar_[entry.index] = button;
    }
}

void MainWindow::createControls(QWidget* client) {
    const auto right = Qt::AlignRight;
    captionLabels_[0] =
        makeLabel(client, "Label1_0", "Размер изображения:", {0, 32, 113, 17}, right, false);
    valueLabels_[0] = makeLabel(client, "Label2_0", "", {120, 32, 73, 17}, Qt::AlignHCenter, true);
    makeLabel(client, "Label3", "Формат:", {200, 32, 49, 17}, right, false);
    valueLabels_[1] = makeLabel(client, "Label2_1", "", {256, 32, 33, 17}, Qt::AlignHCenter, true);
    valueLabels_[2] = makeLabel(client, "Label2_2", "", {296, 32, 49, 17}, Qt::AlignHCenter, true);
    makeLabel(client, "Label5", "байт", {352, 32, 25, 17}, Qt::AlignLeft, false);
    captionLabels_[1] = makeLabel(client, "Label1_1", "Кадров:", {0, 56, 49, 17}, right, false);
    valueLabels_[3] = makeLabel(client, "Label2_3", "", {56, 56, 73, 17}, Qt::AlignHCenter, true);
    captionLabels_[2] = makeLabel(client, "Label1_2", "Текущий:", {0, 80, 49, 17}, right, false);
    valueLabels_[4] = makeLabel(client, "Label2_4", "", {56, 80, 73, 17}, Qt::AlignHCenter, true);

    previewCheck_ = new QCheckBox("Предосмотр:", client);
    previewCheck_->setObjectName("Check1");
    previewCheck_->setGeometry(0, 112, 129, 17);
    previewCheck_->setLayoutDirection(Qt::RightToLeft); // the box stands after its caption
    previewCheck_->setChecked(true);

    view_ = new PreviewBox(client);
    view_->setGeometry(0, 136, 132, 100);

    progressBar_ = new QProgressBar(client);
    progressBar_->setObjectName("ProgressBar1");
    progressBar_->setGeometry(0, 240, 132, 7);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);

    pole_ = new DrawingField(*doc_, client);
    pole_->setGeometry(kLeftColumnWidth, kFieldTop, kStartClientSize.width() - kLeftColumnWidth,
                       kStartClientSize.height() - kFieldTop);
    pole_->installEventFilter(this);
    connect(pole_, &DrawingField::resized, this, &MainWindow::redrawField);
    connect(pole_, &DrawingField::paintRequested, this, &MainWindow::redrawField);

    previewTimer_ = new QTimer(this);
    previewTimer_->setObjectName("Timer1");
    // A coarse timer would round 192 ms to 200 and play delays 16 and 17 at one speed.
    previewTimer_->setTimerType(Qt::PreciseTimer);
    connect(previewTimer_, &QTimer::timeout, this, &MainWindow::previewTick);
}

void MainWindow::createMenus() {
    for (const Menu& menuDesign : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(menuDesign.caption));
        menu->setObjectName(menuDesign.name);
        for (const MenuItem& item : menuDesign.items) {
            QAction* action = *item.caption == '\0'
                                  ? menu->addSeparator()
                                  : menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(item.name);
            if (*item.shortcut != '\0') {
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            }
        }
    }
    QAction* grid = actionNamed("setka");
    grid->setCheckable(true);
    grid->setChecked(true);
}

void MainWindow::connectCommands() {
    connect(actionNamed("filenew"), &QAction::triggered, this, &MainWindow::newPictureCommand);
    connect(actionNamed("newani"), &QAction::triggered, this, &MainWindow::newAnimationCommand);
    connect(actionNamed("fileexit"), &QAction::triggered, this, &MainWindow::close);
    connect(actionNamed("setka"), &QAction::triggered, this, &MainWindow::gridCommand);
    connect(actionNamed("fileopen"), &QAction::triggered, this, &MainWindow::openCommand);
    connect(actionNamed("frombmp"), &QAction::triggered, this, &MainWindow::importBmpCommand);
    connect(actionNamed("filesave"), &QAction::triggered, this,
            [this] { showTitleIfWritten(saveDocument(*doc_, prompts_)); });
    connect(actionNamed("filesaveas"), &QAction::triggered, this,
            [this] { showTitleIfWritten(saveDocumentAs(*doc_, prompts_)); });
    connect(actionNamed("helpme"), &QAction::triggered, this, &MainWindow::showHelp);
    connect(actionNamed("about"), &QAction::triggered, this, &MainWindow::showAbout);
    for (const auto& entry : kEditingCommands) {
        connect(actionNamed(entry.action), &QAction::triggered, this, [this, entry] {
            entry.command(*doc_);
            redrawField();
        });
    }
    // Copying changes nothing visible: no redraw.
    connect(actionNamed("editcopy"), &QAction::triggered, this, [this] { copyFrame(*doc_); });
    connect(actionNamed("frnext"), &QAction::triggered, this,
            [this] { runFrameCommand(nextFrame); });
    connect(actionNamed("frfor"), &QAction::triggered, this,
            [this] { runFrameCommand(previousFrame); });
    connect(actionNamed("ainopt"), &QAction::triggered, this,
            &MainWindow::animationParametersCommand);
    connect(actionNamed("size"), &QAction::triggered, this, &MainWindow::openSizeDialog);
}

void MainWindow::setTabOrderByDesign() {
    QWidget* previous = nullptr;
    for (const ToolbarButton& entry : kToolbar) {
        QWidget* button = toolbar_[entry.index];
        if (previous != nullptr) {
            setTabOrder(previous, button);
        }
        previous = button;
    }
    setTabOrder(previous, pole_);
    setTabOrder(pole_, previewCheck_);
}

QAction* MainWindow::actionNamed(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void MainWindow::redrawField() {
    const PictureDocument& doc = *doc_;
    pole_->redrawCells();
    valueLabels_[0]->setText(
        QString::fromStdString(labelNumber(doc.MX) + " x" + labelNumber(doc.MY)));
    const bool animation = isAnimation(doc);
    valueLabels_[1]->setText(animation ? "EMA" : "EMS");
    captionLabels_[1]->setEnabled(animation);
    captionLabels_[2]->setEnabled(animation);
    valueLabels_[3]->setText(animation ? QString::fromStdString(labelNumber(doc.kK)) : QString());
    valueLabels_[4]->setText(animation ? QString::fromStdString(labelNumber(doc.k)) : QString());
    valueLabels_[2]->setText(QString::fromStdString(labelNumber(fileByteCount(doc))));
    setWindowTitle(QString::fromStdString(fullTitle(doc)));
}

void MainWindow::showTitle() {
    setWindowTitle(QString::fromStdString(shortTitle(*doc_)));
}

void MainWindow::setPreviewInterval(int milliseconds) {
    // A QTimer of interval 0 would fire continuously; 0 means a stopped preview here.
    if (milliseconds <= 0) {
        previewTimer_->stop();
        previewTimer_->setInterval(0);
        return;
    }
    previewTimer_->start(milliseconds);
}

void MainWindow::previewTick() {
    // The greyed third state counts as off too.
    if (previewCheck_->checkState() != Qt::Checked) {
        view_->clear();
        return;
    }
    const PreviewStep step = advancePreview(*doc_);
    view_->showFrame(*doc_, step.frame);
    if (progressBar_->value() != step.progress) {
        // Left alone, the bar repaints itself at once inside setValue; held back, it is painted
        // together with the preview box in the next paint pass.
        progressBar_->setUpdatesEnabled(false);
        progressBar_->setValue(step.progress);
        progressBar_->setUpdatesEnabled(true);
    }
}

bool MainWindow::mayDiscardChanges(const QString& title) {
    return ::mayDiscardChanges(*doc_, prompts_, title);
}

void MainWindow::showTitleIfWritten(SaveOutcome outcome) {
    if (outcome == SaveOutcome::Written) {
        showTitle();
    }
}

void MainWindow::openCommand() {
    openFile(QString());
}

// The preview rests while the command asks and reads, and then runs at the speed of whatever
// document the command leaves.
void MainWindow::openFile(const QString& givenPath) {
    const std::string fileBefore = doc_->fileName;
    setPreviewInterval(0);
    if (openDocument(*doc_, prompts_, givenPath) == OpenOutcome::Loaded) {
        view_->clear();
        redrawField();
        showTitle();
    } else {
        showTitleIfSavedMeanwhile(fileBefore);
    }
    setPreviewInterval(previewIntervalMs(*doc_));
}

void MainWindow::importBmpCommand() {
    importBmpFile(QString());
}

void MainWindow::importBmpFile(const QString& givenPath) {
    const std::string fileBefore = doc_->fileName;
    if (importBmp(*doc_, prompts_, givenPath) != ImportOutcome::Imported) {
        showTitleIfSavedMeanwhile(fileBefore);
        return;
    }
    redrawField();
    update();
}

// A Yes to the save-changes question may have given the document a file before the command
// stopped; the title then names it.
void MainWindow::showTitleIfSavedMeanwhile(const std::string& fileBefore) {
    if (doc_->fileName != fileBefore) {
        showTitle();
    }
}

void MainWindow::openPath(const QString& path) {
    if (QFileInfo(path).suffix().compare(u"bmp", Qt::CaseInsensitive) == 0) {
        importBmpFile(path);
        return;
    }
    openFile(path);
}

// A drop is always a copy: a file manager that proposes a move would delete the file once the
// drop is accepted.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedPath(*event->mimeData()).isEmpty() ||
        !event->possibleActions().testFlag(Qt::CopyAction)) {
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedPath(*event->mimeData());
    if (path.isEmpty() || !event->possibleActions().testFlag(Qt::CopyAction)) {
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The drag's source waits until the drop returns: the questions and messages come after it.
    QMetaObject::invokeMethod(
        this, [this, path] { openPath(path); }, Qt::QueuedConnection);
}

void MainWindow::newPictureCommand() {
    if (!mayDiscardChanges("Создание нового рисунка")) {
        return;
    }
    newPicture(*doc_);
    setPreviewInterval(previewIntervalMs(*doc_));
    redrawField();
}

void MainWindow::newAnimationCommand() {
    if (!mayDiscardChanges("Создание новой анимации")) {
        return;
    }
    newAnimation(*doc_);
    setPreviewInterval(previewIntervalMs(*doc_));
    view_->clear();
    redrawField();
}

bool MainWindow::refusedForPicture() {
    if (isAnimation(*doc_)) {
        return false;
    }
    prompts_.showNotice(kOnlyForAnimation);
    return true;
}

void MainWindow::runFrameCommand(void (*command)(PictureDocument&)) {
    if (refusedForPicture()) {
        return;
    }
    command(*doc_);
    redrawField();
}

// The dialog is made anew for each run. OK has written the size into the document; the preview
// box is blanked before and after, and picks the new size up at its next tick.
void MainWindow::openSizeDialog() {
    view_->clear();
    SizeDialog dialog(*doc_, this);
    if (dialog.exec() == QDialog::Accepted) {
        view_->clear();
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
    doc_->gridOn = isSet(doc_->gridOn) ? kFalse : kTrue;
    actionNamed("setka")->setChecked(isSet(doc_->gridOn));
    redrawField();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayDiscardChanges("Выход")) {
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

bool MainWindow::handleTypedCharacter(QObject* watched, const QString& text) {
    if (text.size() != 1) {
        return false;
    }
    const bool onField = watched == pole_;
    for (const TypedCharacter& entry : kTypedCharacters) {
        if (entry.character == text.front() && (onField || entry.onToolbarToo)) {
            actionNamed(entry.action)->trigger();
            return true;
        }
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        layOutField(static_cast<QResizeEvent*>(event)->size());
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched != centralWidget()) {
        return handleTypedCharacter(watched, static_cast<QKeyEvent*>(event)->text());
    }
    return QMainWindow::eventFilter(watched, event);
}
