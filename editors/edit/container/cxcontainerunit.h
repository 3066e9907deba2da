// The container unit's shut-down: the popup list and its hooks go (Windows),
// and the default style controller is forgotten.
#pragma once

void cxContainerFinalize();
