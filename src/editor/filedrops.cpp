#include "filedrops.h"

#include "imageconversion.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <utility>

namespace {

// The first dragged local file that Open, Import from BMP or the opening of images reads, by its
// extension.
QString droppedPath(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == u"ems" || suffix == u"ema" || hasImageEnding(path)) {
            return path;
        }
    }
    return QString();
}

// A drop is always a copy: a file manager that proposes a move would delete the file once the
// drop is accepted. Returns the file the drag brings, or nothing when it is refused.
QString acceptAsCopy(QDropEvent& event) {
    const QString path = droppedPath(*event.mimeData());
    if (path.isEmpty() || !event.possibleActions().testFlag(Qt::CopyAction)) {
        return QString();
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return path;
}

} // namespace

FileDrops::FileDrops(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), open_(std::move(open)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDrops::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::DragEnter) {
        acceptAsCopy(*static_cast<QDragEnterEvent*>(event));
        return true;
    }
    if (event->type() != QEvent::Drop) {
        return false;
    }
    const QString path = acceptAsCopy(*static_cast<QDropEvent*>(event));
    if (!path.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this, path] { open_(path); }, Qt::QueuedConnection);
    }
    return true;
}
