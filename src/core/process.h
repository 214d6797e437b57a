#pragma once

// Ending the program, behind an interface so that tests can see it asked for.
class Process {
public:
    virtual ~Process() = default;
    // Ends the program at once with the given exit status.
    virtual void end(int status) = 0;
};
