#pragma once

#include <QString>

// Qt reads a file name that is not UTF-8 (a command-line argument, a dropped file's URI, an
// entry the file dialog lists) with U+FFFD in place of each byte it cannot decode, and writes that
// character back as other bytes: the path then names another file, or none. Such a path is never
// read from or written to. A name that really holds U+FFFD is refused with them: safe, and rare.
bool isUndecodedPath(const QString& path);
