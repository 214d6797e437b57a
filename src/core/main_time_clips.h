#pragma once

#include <QString>

// The clip said as a side without byoyomi has this many seconds of main time left, empty for
// a silent second: 5, 3 and 1 minutes, 30 and 20 seconds, then the count of the last ten as
// in byoyomi, 1 when nine seconds remain.
QString mainTimeClip(long long secondsLeft);
