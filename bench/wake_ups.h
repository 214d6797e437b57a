#pragma once

// Context switches of all the process's threads so far: each is a wake-up of a thread.
// Linux only, from /proc.
long long contextSwitches();
