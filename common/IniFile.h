#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qs {

// A settings file of the private-profile kind:
//   [Section]
//   Key=value
// Section and key names compare without regard to ASCII case. Values are written as they
// stand (no quoting, no escaping) and read with the surrounding blanks removed. A write
// updates the key's line in place, adds a missing key at the end of its section, or adds a
// missing section at the end of the file; every other line (comments included) is kept.
// Nothing throws: failures are reported by return values.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // Reads the file. A missing or unreadable file leaves the contents empty and returns false.
    bool Load();

    // Writes the contents to the file as the platform's profile functions do: a file the user
    // may not read and write is left as it is (false), and so is one that is no regular file;
    // a missing file is made in a folder the user may write to. An existing file keeps its
    // mode, owner, group and links. Where the folder can take a new file and that file can
    // carry all of these, the contents go into one beside it that then replaces it, so the
    // file stays whole if the program dies while writing; otherwise (a read-only folder, a
    // file owned by another user, a file with several links or extended attributes) the
    // file is rewritten in place. Permissions are judged as an ordinary user meets them: the
    // superuser too is held to the owner, group and other bits, so a read-only file or folder
    // stays read-only when the program runs as root. Returns false on any failure.
    bool Save() const;

    // The value of the key, trimmed; `fallback` when the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    bool KeyExists(std::string_view section, std::string_view key) const;
    bool SectionExists(std::string_view section) const;

    // Sets the key in memory. Names and values that would break the line structure (a line
    // break anywhere, "]" in a section, "=" in a key, an empty name) are refused: false, and
    // nothing changes.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The file contents as they would be saved.
    std::string Text() const;

private:
    // Line index of the section header, or npos.
    std::size_t FindSection(std::string_view section) const;
    // Line index of the key within the section starting at `header`, or npos.
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    // One past the last line of the section starting at `header`.
    std::size_t SectionEnd(std::size_t header) const;

    std::filesystem::path path_;
    std::vector<std::string> lines_;
    bool crlf_ = false;
};

// The settings file of a program: its own path with the extension replaced by ".ini".
std::filesystem::path SettingsPathFor(const std::filesystem::path& executable);

}  // namespace qs
