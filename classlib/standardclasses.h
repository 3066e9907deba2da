// The class library's own component classes, registered by name.
#pragma once

// Once at start-up, before any other module's classes.
void RegisterStandardClasses();
