#pragma once

#include "core/process.h"

// Ends Qt's event loop with the status, which main() returns.
class QtProcess final : public Process {
public:
    void end(int status) override;
};
