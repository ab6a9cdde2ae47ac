#ifndef HIGHDPI_H
#define HIGHDPI_H

// Lets the toolkit scale the whole interface on a high-density screen, by
// the screen's own factor (1.5 stays 1.5), so that the form keeps its
// proportions. Must run before the application object exists.
void enableHighDpiScaling();

#endif // HIGHDPI_H
