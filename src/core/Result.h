#pragma once
// What a routine of the logic gives back: its value, or why it failed. The
// failure carries the Spanish text for the user and the style of the message
// that tells it; the logic never shows it itself, the window or the start-up
// that called decides whether and when to.
#include "core/MessageStyle.h"

#include <QString>
#include <utility>
#include <variant>

struct Failure {
    QString text;                          // a line break is "\r", as in every message
    MessageStyle style = StyleExclamation;
    bool operator==(const Failure&) const = default;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    const Failure& failure() const { return std::get<Failure>(state_); }

private:
    std::variant<T, Failure> state_;
};

// A routine that gives back nothing but whether it worked.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return failure_; }

private:
    Failure failure_;
    bool failed_ = false;
};
