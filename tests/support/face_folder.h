#pragma once

#include "support/working_folder.h"

// A working folder that also holds the two piece pictures the clock face needs: the sente
// picture dark red, the gote picture yellow.
class FaceFolder : public WorkingFolder {
public:
    FaceFolder();
};
