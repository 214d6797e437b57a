#include "gui/command_keys.h"

#include <Qt>

std::vector<KeyBinding> defaultKeyBindings() {
    return {
        {Qt::Key_Space, Command::EndMoveLeft},  {Qt::Key_Return, Command::EndMoveRight},
        {Qt::Key_Enter, Command::EndMoveRight}, // the keypad's
        {Qt::Key_S, Command::OpenSettings},     {Qt::Key_P, Command::Pause},
        {Qt::Key_F2, Command::Resume},          {Qt::Key_F1, Command::CloseSettings},
        {Qt::Key_F4, Command::Resign},          {Qt::Key_F5, Command::RepetitionDraw},
        {Qt::Key_F11, Command::FullScreen},
    };
}
