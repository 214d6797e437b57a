#pragma once

#include <optional>
#include <utility>

// A variable that nothing has set yet holds the empty value, which reads as zero, false or
// the empty text of its type; isEmpty() tells it apart where that matters.
template <typename T> class Emptiable {
public:
    Emptiable() = default;
    Emptiable(T value)
        : value_(std::move(value)) {}

    bool isEmpty() const { return !value_.has_value(); }
    T value() const { return value_.value_or(T{}); }
    operator T() const { return value(); }

private:
    std::optional<T> value_;
};
