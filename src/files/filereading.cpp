#include "filereading.h"

#include <QFile>
#include <QFileInfo>

std::optional<std::vector<std::uint8_t>> readFileStart(const QString& path, std::size_t limit) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(limit);
    const qint64 length =
        file.read(reinterpret_cast<char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (length < 0) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(length));
    return bytes;
}
