#include "currentfile.h"

#include "picturedocument.h"

void setCurrentFile(PictureDocument& doc, const std::string& folder, const std::string& name) {
    doc.fileFolder = folder;
    doc.fileName = name;
    doc.IZM = kFalse;
}

void forgetCurrentFile(PictureDocument& doc) {
    setCurrentFile(doc, std::string(), kNoFileName);
}
