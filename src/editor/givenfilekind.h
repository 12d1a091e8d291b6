#pragma once

class QString;

// Which command opens a file the desktop hands over, on the command line or by a drop.
enum class GivenFileKind {
    Document,     // Open: .ems, .ema, and any name that is no image's
    TwoColourBmp, // Import from BMP
    Image,        // opened in two colours like a photo
};

// By the name's ending, and for a .bmp by its bytes: one the import takes, or one that neither
// the import nor Qt reads (so that the import's message says what is wanted), is a TwoColourBmp;
// any other BMP Qt reads (colour, compressed, too large) is an Image.
GivenFileKind givenFileKind(const QString& path);
