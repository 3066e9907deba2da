// The accessory windows' classes, registered by name.
#pragma once

// Once at start-up, after the class library's classes.
void RegisterAccessoryClasses();
