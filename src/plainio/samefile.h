#pragma once

#include <string>

// Whether two paths lead to one file that exists: the same name, a link to it or a hard link
// alike (same device and inode once links are followed). A path that names nothing is no file.
bool isSameFile(const std::string& first, const std::string& second);
