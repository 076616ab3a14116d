#include "CommandHistory.h"

namespace qs {

CommandHistory::CommandHistory(std::size_t slots, std::optional<std::uint8_t> omitted)
    : entries_(slots), omitted_(omitted)
{
}

void CommandHistory::Enter(std::uint8_t code)
{
    if (entries_.empty())
        return;
    if (code == entries_[0].code) {
        if (entries_[0].count < 10)
            ++entries_[0].count;
        return;
    }
    for (std::size_t i = entries_.size() - 1; i > 0; --i)
        entries_[i] = entries_[i - 1];
    entries_[0] = {code, 1};
}

void CommandHistory::ClearOlder()
{
    for (std::size_t i = 1; i < entries_.size(); ++i)
        entries_[i].code = 0;
}

void CommandHistory::Reset()
{
    for (Entry& e : entries_)
        e = {};
}

std::string CommandHistory::Text() const
{
    std::string text;
    for (std::size_t k = entries_.size(); k-- > 0;) {
        const Entry& e = entries_[k];
        if (e.code == 0)
            continue;
        if (e.count == 10)
            text += "n*";
        else if (e.count >= 2)
            text += std::to_string(e.count) + "*";
        text += std::to_string(e.code) + ", ";
    }
    return text;
}

std::string CommandHistory::FilteredText() const
{
    std::string text;
    for (std::size_t k = entries_.size(); k-- > 0;) {
        const Entry& e = entries_[k];
        if (e.code != 0 && e.code != omitted_)
            text += " " + std::to_string(e.code);
    }
    return text;
}

}  // namespace qs
