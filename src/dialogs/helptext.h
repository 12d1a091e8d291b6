#pragma once

#include <QString>

// The text of the help window: what the program is for, how to draw, and the version history.
// Lines are broken with "\n", the text box's own line break.
QString helpText();
