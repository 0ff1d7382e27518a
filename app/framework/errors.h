// The application's exception types. Messages are the texts shown to the
// user in an information box; they are held as QString and also handed to
// std::runtime_error so that generic handlers can log them.
#pragma once

#include <QString>
#include <stdexcept>

namespace korvex::app {

class EKorvexError : public std::runtime_error {
public:
    explicit EKorvexError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// Input/output error of file reading; the message names line and item.
class EInOutError : public EKorvexError {
    using EKorvexError::EKorvexError;
};

// An entry that cannot be evaluated or assigned.
class EAssignError : public EKorvexError {
    using EKorvexError::EKorvexError;
};

// Rejections of a numeric entry control: fraction, below or above bounds.
class EIntError : public EKorvexError {
    using EKorvexError::EKorvexError;
};
class EMinError : public EKorvexError {
    using EKorvexError::EKorvexError;
};
class EMaxError : public EKorvexError {
    using EKorvexError::EKorvexError;
};

// A table cell asked for a type of value it does not hold.
class EInvalidCast : public EKorvexError {
    using EKorvexError::EKorvexError;
};

// A table's column description that cannot be read.
class EReadError : public EKorvexError {
    using EKorvexError::EKorvexError;
};

// A table operation with an argument it does not accept.
class EInvalidOperation : public EKorvexError {
    using EKorvexError::EKorvexError;
};

}  // namespace korvex::app
