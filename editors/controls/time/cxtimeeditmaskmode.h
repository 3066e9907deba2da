// The time editors' mask mode: the standard mode, except that cleared
// digits become '0' and a cleared designator keeps its characters.
#pragma once

#include <optional>
#include <string>

#include "editors/controls/mask/cxmaskeditstandardmode.h"

class TcxTimeEditMaskMode : public TcxMaskEditStandardMode {
public:
    using TcxMaskEditStandardMode::TcxMaskEditStandardMode;

    bool ClearSelection() override;
    void BeforePaste(const std::string& clipboard) override;
    void FinishPaste() override;
    char GetBlankCharAt(int position) override;

private:
    // The text being blanked, whose designator bytes stay as they were.
    std::optional<std::string> blanking_;
};
