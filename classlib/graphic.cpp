#include "classlib/graphic.h"

#include "classlib/filestream.h"
#include "classlib/handlercall.h"

void TGraphic::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) const
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Changed();
}

void TGraphic::Changed()
{
    CallHandler(OnChange, *this);
}

void TGraphic::Progress(TProgressStage stage, int percentDone, bool redrawNow, const RECT& r, const std::string& msg)
{
    CallHandler(OnProgress, *this, stage, percentDone, redrawNow, r, msg);
}
