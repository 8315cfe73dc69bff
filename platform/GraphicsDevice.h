#pragma once
// What the machine has to draw with, judged without loading OpenGL.

#include <QString>

// Whether OpenGL may run on graphics hardware here: a render node of a
// graphics driver that the user may open, or NVIDIA's own driver, and no
// request for software rendering.
bool GraphicsHardwarePresent();
// Where the device and sysfs trees are looked for ("" for the real ones).
void SetDeviceRootForTesting(const QString& root);
