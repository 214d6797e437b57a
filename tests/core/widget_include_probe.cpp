// Built only by the test below it in CMake, against the core target alone: it must not
// compile, as nothing of the model may reach for a window.
#include "core/game_clock.h"

#include <QWidget>
