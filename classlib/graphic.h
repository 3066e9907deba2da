// Pictures that a canvas can draw: a size, streams and files, and whether
// they draw transparently.
#pragma once

#include <windows.h>

#include <string>

class TCanvas;
class TStream;

class TGraphic {
public:
    TGraphic() = default;
    virtual ~TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;

    // Reads from the stream's position; EInvalidGraphic when the data is not this kind of picture.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) const = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value) { transparent_ = value; }

protected:
    friend class TCanvas;
    // Draws the picture stretched to r.
    virtual void Draw(TCanvas& canvas, const RECT& r) const = 0;

private:
    bool transparent_ = false;
};
