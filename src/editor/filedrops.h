#pragma once

#include <QObject>

#include <functional>

class QString;
class QWidget;

// Takes files dropped on a window: the first local .ems, .ema or image file (any
// format Qt reads, .bmp among them) of a drop is handed
// to `open` once the drop has returned, since the drag's source waits until then and `open` may
// ask questions. A drag that holds no such file, or cannot be copied, is refused.
class FileDrops : public QObject {
    Q_OBJECT

public:
    FileDrops(QWidget* window, std::function<void(const QString&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> open_;
};
