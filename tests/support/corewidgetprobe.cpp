// Compiled with the core library's settings only: a widget header must not be
// found there, so this file must fail to compile.
#include <QWidget>
