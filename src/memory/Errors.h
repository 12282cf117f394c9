#pragma once
// Exceptions of the channel memory layer. Each carries the exact text the
// user is shown; the application's one error handler puts it in a box.

#include <QString>
#include <stdexcept>

namespace lumora {

class ELumoraError : public std::runtime_error {
public:
    explicit ELumoraError(const QString &text)
        : std::runtime_error(text.toStdString()), text_(text) {}
    const QString &text() const noexcept { return text_; }
    // Where the error arose, for the box's detail text (a control's label,
    // a grid's row and column), or empty.
    const QString &detail() const noexcept { return detail_; }
    void setDetail(const QString &detail) { detail_ = detail; }

private:
    QString text_;
    QString detail_;
};

// A text that does not read as the number a field needs.
class EConvertError : public ELumoraError {
public:
    using ELumoraError::ELumoraError;
};

// A number that reads but does not fit the radio's field.
class ERangeError : public ELumoraError {
public:
    using ELumoraError::ELumoraError;
};

// A file that cannot be opened, or is not a channel file.
class EFOpenError : public ELumoraError {
public:
    using ELumoraError::ELumoraError;
};

// A file that cannot be written.
class EFCreateError : public ELumoraError {
public:
    using ELumoraError::ELumoraError;
};

} // namespace lumora
