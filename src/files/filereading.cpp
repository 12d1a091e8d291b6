#include "filereading.h"

#include "boundedread.h"

#include <QFile>

std::optional<std::vector<std::uint8_t>> readFileStart(const QString& path, std::size_t limit) {
    return readFileStart(QFile::encodeName(path).toStdString(), limit);
}
