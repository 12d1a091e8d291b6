#include "undecodedpath.h"

bool isUndecodedPath(const QString& path) {
    return path.contains(QChar::ReplacementCharacter);
}
