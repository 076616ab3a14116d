#include "IniFile.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace qs {

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20)
        text.remove_suffix(1);
    return text;
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// The name of a section header line ("[Date]" -> "Date"), or false for any other line.
bool SectionName(std::string_view line, std::string_view& name)
{
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return false;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

// The key and value of a "key=value" line; false for other lines and comments.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return false;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = Trim(line.substr(0, eq));
    value = line.substr(eq + 1);
    return !key.empty();
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

bool IniFile::Load()
{
    lines_.clear();
    crlf_ = false;
    std::error_code ec;
    if (std::filesystem::is_directory(path_, ec))
        return false;
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return false;
    const std::string text = content.str();

    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            if (lines_.empty())
                crlf_ = true;
        }
        lines_.push_back(std::move(line));
        start = end + 1;
    }
    return true;
}

std::string IniFile::Text() const
{
    const char* eol = crlf_ ? "\r\n" : "\n";
    std::string text;
    for (const std::string& line : lines_)
        text += line + eol;
    return text;
}

bool IniFile::Save() const
{
    std::error_code ec;
    std::filesystem::path temp = path_;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << Text();
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path_, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

std::size_t IniFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (SectionName(lines_[i], name) && SameName(name, section))
            return i;
    }
    return std::string::npos;
}

std::size_t IniFile::SectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    std::string_view name;
    while (i < lines_.size() && !SectionName(lines_[i], name))
        ++i;
    return i;
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const
{
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        std::string_view k, v;
        if (KeyValue(lines_[i], k, v) && SameName(k, key))
            return i;
    }
    return std::string::npos;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const
{
    const std::size_t header = FindSection(section);
    if (header == std::string::npos)
        return std::string(fallback);
    const std::size_t line = FindKey(header, key);
    if (line == std::string::npos)
        return std::string(fallback);
    std::string_view k, v;
    KeyValue(lines_[line], k, v);
    return std::string(Trim(v));
}

bool IniFile::KeyExists(std::string_view section, std::string_view key) const
{
    const std::size_t header = FindSection(section);
    return header != std::string::npos && FindKey(header, key) != std::string::npos;
}

bool IniFile::SectionExists(std::string_view section) const
{
    return FindSection(section) != std::string::npos;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
        HasLineBreak(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[')
        return false;

    std::size_t header = FindSection(section);
    if (header == std::string::npos) {
        if (!lines_.empty() && !Trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
        return true;
    }
    const std::size_t line = FindKey(header, key);
    if (line != std::string::npos) {
        // Keep the key as the file spells it.
        std::string_view k, v;
        KeyValue(lines_[line], k, v);
        lines_[line] = std::string(k) + "=" + std::string(value);
        return true;
    }
    // After the section's last non-blank line.
    std::size_t at = SectionEnd(header);
    while (at > header + 1 && Trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  std::string(key) + "=" + std::string(value));
    return true;
}

std::filesystem::path SettingsPathFor(const std::filesystem::path& executable)
{
    std::filesystem::path path = executable;
    path.replace_extension(".ini");
    return path;
}

}  // namespace qs
