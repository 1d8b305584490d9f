#include "options_text.h"

#include "option_fields.h"

#include <charconv>
#include <sstream>
#include <type_traits>
#include <vector>

namespace crashnote {

namespace {

std::string unescape(const std::string &s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            char c = s[++i];
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::vector<std::string> split(const std::string &s, char sep)
{
    std::vector<std::string> parts;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

std::string_view trimmed(std::string_view v)
{
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
        v.remove_suffix(1);
    return v;
}

// Numbers may be written in hexadecimal with "0x"; blanks around them do not count.
template <typename T>
bool parseNumber(const std::string &s, T &out)
{
    int base = 10;
    std::string_view v = trimmed(s);
    if (v.starts_with("0x") || v.starts_with("0X")) {
        base = 16;
        v.remove_prefix(2);
    }
    auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out, base);
    return ec == std::errc() && end == v.data() + v.size() && !v.empty();
}

// Applies one "Name=Value" line by walking the option list.
struct LineApplier {
    const std::string &key;
    const std::string &value;
    bool matched = false;
    bool valid = true;

    template <typename T>
    void field(const char *name, T &v)
    {
        if (key != name)
            return;
        matched = true;
        if constexpr (std::is_same_v<T, std::string>) {
            v = unescape(value);
        } else if constexpr (std::is_same_v<T, bool>) {
            auto flag = trimmed(value);
            if (flag == "1" || flag == "true")
                v = true;
            else if (flag == "0" || flag == "false")
                v = false;
            else
                valid = false;
        } else {
            valid = parseNumber(value, v);
        }
    }
    void filters(const char *name, std::vector<TCrashNoteExceptionFilter> &list)
    {
        if (key != name)
            return;
        matched = true;
        auto parts = split(value, ';');
        if (parts.size() != 7) {
            valid = false;
            return;
        }
        TCrashNoteExceptionFilter f;
        f.exceptionClass = unescape(parts[1]);
        f.message = unescape(parts[2]);
        valid = (parts[0] == "0" || parts[0] == "1") && parseNumber(parts[3], f.kind) &&
                parseNumber(parts[4], f.dialog) && parseNumber(parts[5], f.handler) &&
                parseNumber(parts[6], f.action);
        f.active = parts[0] == "1";
        list.push_back(f);
    }
    void texts(const char *name, MessageTexts &t)
    {
        std::string prefix = std::string(name) + ".";
        if (!key.starts_with(prefix))
            return;
        matched = true;
        int slot = -1;
        valid = parseNumber(key.substr(prefix.size()), slot) && slot >= 0 && slot < kMessageTextCount;
        if (valid)
            t[static_cast<std::size_t>(slot)] = unescape(value);
    }
};

} // namespace

OptionValues parseOptionsText(const std::string &text)
{
    OptionValues values;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        auto eq = line.find('=');
        if (eq == std::string::npos)
            throw OptionsTextError("line " + std::to_string(number) + ": missing '='");
        std::string key = line.substr(first, eq - first);
        while (!key.empty() && (key.back() == ' ' || key.back() == '\t'))
            key.pop_back();
        std::string value = line.substr(eq + 1);
        LineApplier applier{key, value};
        visitOptionFields(applier, values);
        if (!applier.matched)
            throw OptionsTextError("line " + std::to_string(number) + ": unknown option \"" + key + "\"");
        if (!applier.valid)
            throw OptionsTextError("line " + std::to_string(number) + ": bad value for \"" + key + "\"");
    }
    return values;
}

} // namespace crashnote
