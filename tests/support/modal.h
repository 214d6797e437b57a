#pragma once

#include <QWidget>
#include <functional>

// Runs an action on a modal window once one matching shows; for tests that open it with a
// blocking exec(). A test that ends with an action still waiting fails.
void onNextModal(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> action);

template <typename W> void onModal(std::function<void(W&)> action) {
    onNextModal([](QWidget* w) { return qobject_cast<W*>(w) != nullptr; },
                [action](QWidget* w) { action(*qobject_cast<W*>(w)); });
}

// Called after each test: fails it for every action still waiting, and drops them.
void dropWaitingModalActions();
