#pragma once

#include <QIcon>
#include <QString>

// A toolbar picture from the resources, with copies enlarged pixel by pixel for screens that
// scale by 2 or 3: Qt would otherwise enlarge the 24 x 24 picture smoothly, into a blur.
QIcon toolbarIcon(const QString& resourcePath);
