#include "IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

// Whether the user may access the file or folder for `mode` (R_OK, W_OK, X_OK; the same bits
// as r, w and x). An ordinary user is asked of the kernel, which knows its groups, access
// lists and read-only mounts. The superuser, whom the kernel lets write anything, is held
// to the permission bits of its class (owner, group or other), as an ordinary user with its
// ids would be: a settings file set read-only stays unchanged whoever runs the program.
bool MayAccess(const std::filesystem::path& path, const struct stat& st, int mode)
{
    const uid_t uid = ::geteuid();
    if (uid != 0)
        return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
    int shift = 0;  // other
    if (st.st_uid == uid) {
        shift = 6;
    } else {
        bool member = st.st_gid == ::getegid();
        const int count = ::getgroups(0, nullptr);
        std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
        if (count > 0 && ::getgroups(count, groups.data()) == count)
            member = member || std::find(groups.begin(), groups.end(), st.st_gid) != groups.end();
        if (member)
            shift = 3;
    }
    const auto bits = static_cast<int>((st.st_mode >> shift) & 07);
    return (bits & mode) == mode;
}

std::filesystem::path FolderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

bool FolderTakesFiles(const std::filesystem::path& folder)
{
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           MayAccess(folder, st, W_OK | X_OK);
}

bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n =
            ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A file descriptor closed when it goes out of scope.
struct Fd {
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool CloseOk()
    {
        const int result = ::close(fd);
        fd = -1;
        return result == 0;
    }
};

// A missing file, made in a folder the user may write to, with the usual mode of a new file.
bool CreateFile(const std::filesystem::path& path, const std::string& text)
{
    if (!FolderTakesFiles(FolderOf(path)))
        return false;
    Fd file{::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)};
    if (file.fd < 0)
        return false;
    return WriteAll(file.fd, text) && ::fsync(file.fd) == 0 && file.CloseOk();
}

enum class Replace { Done, NotPossible, Failed };

// The contents into a new file beside the old one, which then replaces it in one step. Only
// where the new file can be all that the old one was: a file of the user's own with one
// link and no extended attributes (access lists, labels), in a folder that takes files, and
// the same mode and group once set. NotPossible leaves everything as it was; Failed means a
// write failed (a full disk, say), after which the old file is not touched either.
Replace ReplaceWhole(const std::filesystem::path& path, const struct stat& st,
                     const std::string& text)
{
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(path, ec);
    if (ec || st.st_uid != ::geteuid() || st.st_nlink != 1 ||
        ::listxattr(real.c_str(), nullptr, 0) != 0 || !FolderTakesFiles(FolderOf(real)))
        return Replace::NotPossible;

    std::string temp = real.string() + ".XXXXXX";
    Fd file{::mkostemp(temp.data(), O_CLOEXEC)};
    if (file.fd < 0)
        return Replace::NotPossible;
    struct stat made {};
    // The group first: a change of group clears the set-id bits that the mode then sets.
    if (::fchown(file.fd, static_cast<uid_t>(-1), st.st_gid) != 0 ||
        ::fchmod(file.fd, st.st_mode & 07777) != 0 || ::fstat(file.fd, &made) != 0 ||
        made.st_uid != st.st_uid || made.st_gid != st.st_gid ||
        (made.st_mode & 07777) != (st.st_mode & 07777)) {
        ::unlink(temp.c_str());
        return Replace::NotPossible;
    }
    if (!WriteAll(file.fd, text) || ::fsync(file.fd) != 0 || !file.CloseOk() ||
        ::rename(temp.c_str(), real.c_str()) != 0) {
        ::unlink(temp.c_str());
        return Replace::Failed;
    }
    return Replace::Done;
}

// The contents written over the old ones, then the file cut to their length: the file keeps
// all it carries (mode, owner, links, attributes).
bool RewriteInPlace(const std::filesystem::path& path, const std::string& text)
{
    Fd file{::open(path.c_str(), O_WRONLY | O_CLOEXEC)};
    if (file.fd < 0)
        return false;
    return WriteAll(file.fd, text) && ::ftruncate(file.fd, static_cast<off_t>(text.size())) == 0 &&
           ::fsync(file.fd) == 0 && file.CloseOk();
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
    const std::string text = Text();
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0)
        return errno == ENOENT && CreateFile(path_, text);
    if (!S_ISREG(st.st_mode) || !MayAccess(path_, st, R_OK | W_OK))
        return false;
    switch (ReplaceWhole(path_, st, text)) {
    case Replace::Done:
        return true;
    case Replace::Failed:
        return false;
    case Replace::NotPossible:
        break;
    }
    return RewriteInPlace(path_, text);
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
