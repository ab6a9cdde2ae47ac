// Compiled with the core library's include paths and nothing more: the build
// of this file fails as soon as a widget header becomes reachable from there.
#if __has_include(<QWidget>)
#error "a widget header is reachable from the core library"
#endif
