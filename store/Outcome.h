#pragma once

#include <QString>

#include <utility>

// How an operation ended, the one way loading, writing and printing answer: done, or failed with one
// Russian sentence ready for a message box or standard error. A failure is marked as such, so a message
// that happens to be empty never passes for success.
class Outcome {
public:
    Outcome() = default; // done
    static Outcome failure(QString message) {
        Outcome outcome;
        outcome.failed_ = true;
        outcome.message_ = std::move(message);
        return outcome;
    }

    bool ok() const { return !failed_; }
    const QString& message() const { return message_; }

private:
    bool failed_ = false;
    QString message_;
};

// An outcome that brings a value when it succeeded; a failure's value is the empty one.
template <typename Value> class Result : public Outcome {
public:
    Result(Value value) : value_(std::move(value)) {}
    Result(Outcome failure) : Outcome(std::move(failure)) {}

    const Value& value() const { return value_; }
    Value& value() { return value_; }

private:
    Value value_{};
};
