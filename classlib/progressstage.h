// Where a long picture operation stands, for progress reports; platform-free,
// so the codec cores report in the host build too.
#pragma once

enum class TProgressStage { psStarting, psRunning, psEnding };
