// The calculator's classes, registered by name.
#pragma once

// Once at start-up, after the modules the calculator builds on.
void RegisterCalculatorClasses();
