// Pictures that a canvas can draw: a size, streams and files, whether they
// draw transparently, and the events that tell of changes and of progress
// while a picture is read.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "classlib/persistent.h"
#include "classlib/progressstage.h"

class TCanvas;
class TStream;
class TGraphic;


using TGraphicNotifyEvent = std::function<void(TGraphic& Sender)>;
// R is the part that may be redrawn now (empty: none); Msg names a failure at psEnding.
using TProgressEvent = std::function<void(TGraphic& Sender, TProgressStage Stage, int PercentDone, bool RedrawNow,
                                          const RECT& R, const std::string& Msg)>;

class TGraphic : public TPersistent {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;

    // Reads from the stream's position; EInvalidGraphic when the data is not this kind of picture.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) const = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);

    // Fired after the picture changed (size, pixels, format, transparency).
    TGraphicNotifyEvent OnChange;
    TProgressEvent OnProgress;

protected:
    friend class TCanvas;
    // Draws the picture stretched to r.
    virtual void Draw(TCanvas& canvas, const RECT& r) const = 0;

    virtual void Changed();
    void Progress(TProgressStage stage, int percentDone, bool redrawNow, const RECT& r, const std::string& msg);

    bool transparent_ = false;
};
