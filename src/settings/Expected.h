#pragma once

#include <QString>
#include <optional>
#include <utility>

// Why an operation failed, in words for the user; it converts to the result
// of any operation, so `return Failure{why};` fits every one.
struct Failure {
    QString why;
};

// What an operation that can fail gives back: its value, or the failure with
// its message. A failure stays one even when its message is empty.
template <typename T>
class [[nodiscard]] Expected {
  public:
    Expected(T value) : value_(std::move(value)) {}
    Expected(Failure failure) : why_(std::move(failure.why)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    T& value() & { return value_.value(); }
    const T& value() const& { return value_.value(); }
    T&& value() && { return std::move(value_.value()); }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }

    // Empty on success.
    const QString& error() const { return why_; }

  private:
    std::optional<T> value_;
    QString why_;
};

// For operations that only succeed or fail.
template <>
class [[nodiscard]] Expected<void> {
  public:
    Expected() = default;
    Expected(Failure failure) : failed_(true), why_(std::move(failure.why)) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return why_; }

  private:
    bool failed_ = false;
    QString why_;
};
