#pragma once

#include "core/input_layer.h"

#include <QString>
#include <vector>

// The words the windows show for keys and what they do.
QString keyText(int key);                             // F13; Return shows as Enter
QString keyListText(const std::vector<int>& keys);    // Space, F13
QString faceKeyCaption(const std::vector<int>& keys); // (Space Key), for the first key
QString sideText(Side side);                          // 左の対局者
QString commandText(Command command);                 // 投了
