// Picture kinds by file extension and by clipboard format, so a file or the
// clipboard can be read without knowing its kind beforehand. Each codec
// registers itself at start-up and unregisters at shut-down.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TGraphic;

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

struct TFileFormat {
    std::string extension;   // lower case, without the dot
    std::string description;
    std::string className;
    TGraphicFactory create;
};

// Adds or replaces the format for that extension (any letter case).
void RegisterFileFormat(const std::string& extension, const std::string& description,
                        const std::string& className, TGraphicFactory create);
// The format for an extension, with or without its dot; none when unknown.
const TFileFormat* FindFileFormat(const std::string& extension);
// Removes every file and clipboard format of the class.
void UnregisterGraphicClass(const std::string& className);

void RegisterClipboardGraphic(unsigned format, const std::string& className, TGraphicFactory create);
// The class registered for a clipboard format; none when unknown.
const TGraphicFactory* FindClipboardGraphic(unsigned format);

// A picture of the file's kind, by its extension; EInvalidGraphic names an unknown one.
std::unique_ptr<TGraphic> CreateGraphicForFile(const std::string& fileName);
