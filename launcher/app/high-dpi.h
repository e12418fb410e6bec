#ifndef HALVORA_HIGH_DPI_H
#define HALVORA_HIGH_DPI_H

// Turns on the toolkit's scaling for screens with a device pixel ratio above
// 1, so the dialog keeps its size and draws sharp text and icons there. Must
// run before the application object exists: the toolkit reads it only then.
void EnableHighDpiScaling();

#endif
