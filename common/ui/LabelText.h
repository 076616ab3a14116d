#pragma once
#include <QLabel>
#include <QString>

#include <array>
#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace qs {

// Texts the status poll writes to labels 33 times a second mostly repeat. labeltext::Set
// makes and sets a label's text only when what the text is made from has changed since it
// last set that label, or when the label shows another text now (one set elsewhere: "?"
// after a time-out, say). What a text is made from, its sources, is compared byte for byte:
// numbers, flags and characters by value, strings by content.
namespace labeltext {

// The sources of a text, packed. Sources too long to keep make a key that never matches,
// so such a text is made every time.
class Key {
public:
    template <class T>
    requires std::is_arithmetic_v<T> || std::is_enum_v<T>
    void Add(const T& value) { Append(&value, sizeof value); }
    void Add(std::string_view text)
    {
        const std::size_t n = text.size();
        Append(&n, sizeof n);
        Append(text.data(), n);
    }
    void Add(const std::string& text) { Add(std::string_view(text)); }
    void Add(const char* text) { Add(std::string_view(text)); }
    // A run of plain values (a table of entries), by their bytes.
    template <class T>
    requires std::is_trivially_copyable_v<T>
    void Add(std::span<const T> values)
    {
        const std::size_t n = values.size();
        Append(&n, sizeof n);
        Append(values.data(), n * sizeof(T));
    }
    void Add(const QString& text)
    {
        const qsizetype n = text.size();
        Append(&n, sizeof n);
        Append(text.constData(), static_cast<std::size_t>(n) * sizeof(QChar));
    }

    bool Matches(const Key& other) const
    {
        return !overflow_ && !other.overflow_ && size_ == other.size_ &&
               std::memcmp(bytes_.data(), other.bytes_.data(), size_) == 0;
    }

private:
    void Append(const void* data, std::size_t n)
    {
        if (overflow_ || n > bytes_.size() - size_) {
            overflow_ = true;
            return;
        }
        std::memcpy(bytes_.data() + size_, data, n);
        size_ += n;
    }

    std::array<unsigned char, 64> bytes_{};
    std::size_t size_ = 0;
    bool overflow_ = false;
};

template <class... Sources>
Key KeyOf(const Sources&... sources)
{
    Key key;
    (key.Add(sources), ...);
    return key;
}

// Whether the label still shows the text it was last given for this key.
bool Shows(const QLabel* label, const Key& key);
// Notes that the label now shows its text for this key.
void Remember(QLabel* label, const Key& key);
// For a control whose shown value this code alone writes (a bar graph's reading): whether
// it was last given this key; it is remembered for the next call either way.
bool Repeats(QObject* control, const Key& key);

// Sets the label's text to make() unless the label still shows the text made from the same
// sources.
template <class Make, class... Sources>
void Set(QLabel* label, Make&& make, const Sources&... sources)
{
    const Key key = KeyOf(sources...);
    if (Shows(label, key))
        return;
    label->setText(make());
    Remember(label, key);
}

// For a label whose text changes with every frame (the frame counter): a new text of a
// label lays out its page again, the window around it included. The label is put in a
// holder that takes its place in the layout, asks for the room the widest of its texts
// takes (`widest`) and gives the label all of its room at a fixed size, so a new text only
// paints it again. The page looks as before; the size follows the label's font and style.
void KeepSize(QLabel* label, const QString& widest);

// One text made from its sources, kept until they change: for a text several labels show.
// The text depends on the sources alone, so one memo may serve any number of windows.
class Memo {
public:
    template <class Make, class... Sources>
    const QString& Get(Make&& make, const Sources&... sources)
    {
        const Key key = KeyOf(sources...);
        if (!made_ || !key.Matches(key_)) {
            text_ = make();
            key_ = key;
            made_ = true;
        }
        return text_;
    }

private:
    Key key_;
    QString text_;
    bool made_ = false;
};

}  // namespace labeltext

}  // namespace qs
