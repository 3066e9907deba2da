// Where base styles find the default style controller: the unit that makes
// the default controller registers it at start-up and clears it before
// freeing it; until then there is none.
#pragma once

class TcxStyleController;

TcxStyleController* GetDefaultEditStyleController();
void cxRegisterDefaultStyleController(TcxStyleController* controller);
void cxClearDefaultStyleController();
