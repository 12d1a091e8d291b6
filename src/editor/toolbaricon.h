#pragma once

#include <QIcon>
#include <QString>

// A toolbar picture from the resources as an icon that stays pixel art at any scale of the
// screen: enlarged by whole factors only, never smoothed.
QIcon toolbarIcon(const QString& resourcePath);
