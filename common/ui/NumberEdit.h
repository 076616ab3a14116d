#pragma once
#include <QObject>

#include <cstdint>

class QLineEdit;

namespace qs {

class DecimalFormat;

// Number edits: read the value to send and rewrite the edit with it, using the current
// locale's decimal separator.

// The scaled integer of the edit's text in the given format; the edit then shows the value
// sent in the format's picture (a text that is no number becomes 0).
std::int32_t EditToScaledInt(QLineEdit* edit, const DecimalFormat& format);

// The edit's integer clamped by the unsigned comparison; the edit then shows it in decimal.
std::uint32_t EditToIntClamped(QLineEdit* edit, std::uint32_t minimum, std::uint32_t maximum);

// The edit's signed 32-bit integer (0 for no integer); the edit then shows it in decimal.
std::int32_t EditToInt(QLineEdit* edit);

// The decimal key of a number edit: a typed "," or "." reaches the edit as the locale's
// decimal separator; every other key passes unchanged. Owned by the edit.
class DecimalKeyFilter : public QObject {
    Q_OBJECT
public:
    static DecimalKeyFilter* Install(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DecimalKeyFilter(QLineEdit* edit);
};

}  // namespace qs
