#pragma once

#include "core/play_state.h"
#include "core/side.h"

#include <QString>

// The words the windows show for the game's values and prompts.
QString roleText(Role role);                        // 先手
QString turnText(Role roleToMove);                  // 先手番
QString moveNumberText(int moveNumber);             // 12手目
QString hintText(PlayState::Prompt prompt);         // S：対局設定
QString pauseCommandText(PlayState::Prompt prompt); // 対局中断(P)
