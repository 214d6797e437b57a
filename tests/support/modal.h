#pragma once

#include <functional>

class QWidget;

// Runs action on the next modal window once it is showing; for tests that open one with a
// blocking exec(). Fails the test if none shows within a few seconds.
void onNextModal(std::function<void(QWidget*)> action);
