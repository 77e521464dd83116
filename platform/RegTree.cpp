#include "platform/RegTree.h"

#include <algorithm>
#include <cstdio>

namespace platform {

std::string RegTree::fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool RegTree::hasKey(const std::string& path) const {
    return path.empty() || keys_.count(fold(path)) > 0;
}

const RegTree::Key* RegTree::key(const std::string& path) const {
    const auto it = keys_.find(fold(path));
    return it == keys_.end() ? nullptr : &it->second;
}

std::optional<RegValue> RegTree::value(const std::string& path, const std::string& name) const {
    const Key* k = key(path);
    if (!k)
        return std::nullopt;
    const auto it = k->index.find(fold(name));
    return it == k->index.end() ? std::nullopt : std::optional(k->values[it->second].second);
}

void RegTree::createKey(const std::string& path) {
    // From the key itself up to the first one that exists, so that a key whose
    // parents are there already costs one look-up.
    const std::string folded = fold(path);
    std::vector<std::size_t> missing;
    for (std::size_t end = folded.size(); end != 0 && end != std::string::npos;
         end = folded.rfind('\\', end - 1)) {
        if (keys_.count(folded.substr(0, end)))
            break;
        missing.push_back(end);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        keys_.emplace(folded.substr(0, *it), Key{path.substr(0, *it), {}, {}});
}

bool RegTree::deleteKey(const std::string& path) {
    const std::string folded = fold(path);
    if (folded.empty() || !keys_.count(folded))
        return false;
    keys_.erase(folded);
    const std::string below = folded + '\\';
    auto it = keys_.lower_bound(below);
    while (it != keys_.end() && it->first.starts_with(below))
        it = keys_.erase(it);
    return true;
}

bool RegTree::setValue(const std::string& path, const std::string& name, const RegValue& value) {
    if (!hasKey(path))
        return false;
    const std::string folded = fold(path);
    auto [it, inserted] = keys_.try_emplace(folded, Key{path, {}, {}});
    Key& k = it->second;
    const auto [at, added] = k.index.try_emplace(fold(name), k.values.size());
    if (added)
        k.values.emplace_back(name, value);
    else
        k.values[at->second].second = value;
    return true;
}

bool RegTree::deleteValue(const std::string& path, const std::string& name) {
    const auto it = keys_.find(fold(path));
    if (it == keys_.end())
        return false;
    Key& k = it->second;
    const auto found = k.index.find(fold(name));
    if (found == k.index.end())
        return false;
    const std::size_t at = found->second;
    k.values.erase(k.values.begin() + static_cast<std::ptrdiff_t>(at));
    k.index.erase(found);
    for (auto& [n, place] : k.index)
        if (place > at)
            --place;
    return true;
}

std::vector<std::string> RegTree::subkeyNames(const std::string& path) const {
    std::vector<std::string> names;
    const std::string prefix = path.empty() ? std::string() : fold(path) + '\\';
    for (auto it = keys_.lower_bound(prefix); it != keys_.end(); ++it) {
        const std::string& folded = it->first;
        if (!folded.starts_with(prefix))
            break;
        if (folded.size() == prefix.size())
            continue;
        if (folded.find('\\', prefix.size()) == std::string::npos)
            names.push_back(it->second.path.substr(prefix.size()));
    }
    return names;
}

bool keyPathWithinLimits(std::string_view path) {
    if (path.empty())
        return true;
    std::size_t levels = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find('\\', start);
        const std::size_t length = (end == std::string_view::npos ? path.size() : end) - start;
        if (length == 0 || length > kMaxKeyPartLength || ++levels > kMaxKeyLevels)
            return false;
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
}

bool valueNameWithinLimits(std::string_view name) {
    return name.size() <= kMaxValueNameLength;
}

bool fitsRegEdit4(std::string_view name) {
    return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

namespace {

// ---- reading ----

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// A quoted text with \\ and \" escapes; advances past the closing quote.
bool readQuoted(std::string_view& s, std::string& out) {
    if (s.empty() || s.front() != '"')
        return false;
    std::size_t i = 1;
    out.clear();
    while (i < s.size()) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out.push_back(s[i + 1]);
            i += 2;
            continue;
        }
        out.push_back(c);
        ++i;
    }
    return false;
}

bool readHexBytes(std::string_view s, std::string& out) {
    out.clear();
    s = trim(s);
    if (s.empty())
        return true;
    std::size_t i = 0;
    while (true) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        if (i >= s.size())
            return false; // a comma with nothing after it
        const int hi = i < s.size() ? hexDigit(s[i]) : -1;
        const int lo = i + 1 < s.size() ? hexDigit(s[i + 1]) : -1;
        if (hi < 0 || lo < 0)
            return false;
        out.push_back(static_cast<char>(hi * 16 + lo));
        i += 2;
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        if (i == s.size())
            return true;
        if (s[i] != ',')
            return false;
        ++i;
    }
}

bool readHexNumber(std::string_view s, std::uint32_t& out, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits)
        return false;
    out = 0;
    for (char c : s) {
        const int d = hexDigit(c);
        if (d < 0)
            return false;
        out = out * 16 + static_cast<std::uint32_t>(d);
    }
    return true;
}

// The data after "=": a quoted text, dword:, hex: or hex(N):.
bool readData(std::string_view s, RegValue& value) {
    s = trim(s);
    if (!s.empty() && s.front() == '"') {
        std::string text;
        if (!readQuoted(s, text) || !trim(s).empty())
            return false;
        value = RegValue::text(text);
        return true;
    }
    if (s.starts_with("dword:")) {
        std::uint32_t v = 0;
        if (!readHexNumber(trim(s.substr(6)), v, 8))
            return false;
        value = RegValue::dword(v);
        return true;
    }
    if (s.starts_with("hex:")) {
        value.type = RegBinary;
        return readHexBytes(s.substr(4), value.data);
    }
    if (s.starts_with("hex(")) {
        const std::size_t close = s.find("):");
        std::uint32_t type = 0;
        if (close == std::string_view::npos || !readHexNumber(s.substr(4, close - 4), type, 8))
            return false;
        value.type = type;
        return readHexBytes(s.substr(close + 2), value.data);
    }
    return false;
}

class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line) {
        if (pos_ >= text_.size())
            return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            end = text_.size();
        line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos_ = end + 1;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// ---- writing ----

void appendHex(std::string& out, std::string_view prefix, std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::size_t lineLength = prefix.size();
    out += prefix;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 15]);
        lineLength += 2;
        if (i + 1 < bytes.size()) {
            out.push_back(',');
            ++lineLength;
            if (lineLength > 76) {
                out += "\\\r\n  ";
                lineLength = 2;
            }
        }
    }
    out += "\r\n";
}

void appendQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    for (char c : text) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
}

// A text the quoted form holds exactly: one terminating NUL and no control bytes.
bool quotable(const RegValue& value) {
    const std::string& d = value.data;
    if (d.empty() || d.back() != '\0')
        return false;
    return std::none_of(d.begin(), d.end() - 1,
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

void appendValue(std::string& out, const std::string& name, const RegValue& value) {
    std::string prefix;
    if (name.empty())
        prefix = "@";
    else
        appendQuoted(prefix, name);
    prefix += '=';
    if (value.type == RegSz && quotable(value)) {
        out += prefix;
        appendQuoted(out, std::string_view(value.data).substr(0, value.data.size() - 1));
        out += "\r\n";
        return;
    }
    if (value.type == RegDword && value.data.size() == 4) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(value.data[static_cast<std::size_t>(i)]);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "dword:%08x", v);
        out += prefix + buffer + "\r\n";
        return;
    }
    if (value.type == RegBinary) {
        appendHex(out, prefix + "hex:", value.data);
        return;
    }
    char type[24];
    std::snprintf(type, sizeof type, "hex(%x):", value.type);
    appendHex(out, prefix + type, value.data);
}

} // namespace

namespace {

// Reads a REGEDIT4 text line by line into a tree, keeping only the keys below one root.
class RegEdit4Parser {
public:
    RegEdit4Parser(std::string_view text, std::string_view rootName)
        : lines_(text), rootName_(rootName) {}

    RegParseResult run() {
        std::string_view line;
        bool first = true;
        while (lines_.next(line)) {
            if (first && line.starts_with("\xEF\xBB\xBF"))
                line.remove_prefix(3);
            std::string joined;
            const std::string_view t = logicalLine(line, joined);
            if (first && !t.empty()) {
                first = false;
                if (t == "REGEDIT4")
                    continue;
            }
            if (t.empty() || t.front() == ';')
                continue;
            if (t.front() == '[')
                keyHeader(t);
            else if (!skippingKey_)
                valueLine(t);
        }
        return std::move(result_);
    }

private:
    // Long hex values go on over lines that end with a backslash.
    std::string_view logicalLine(std::string_view line, std::string& joined) {
        const std::string_view t = trim(line);
        if (t.empty() || t.front() == '[' || t.back() != '\\')
            return t;
        joined.assign(t.substr(0, t.size() - 1));
        std::string_view more;
        while (lines_.next(more)) {
            const std::string_view m = trim(more);
            if (!m.empty() && m.back() == '\\') {
                joined += m.substr(0, m.size() - 1);
                continue;
            }
            joined += m;
            break;
        }
        return joined;
    }

    void skipKey(bool damaged) {
        result_.damaged = result_.damaged || damaged;
        inKey_ = false;
        skippingKey_ = true;
    }

    void keyHeader(std::string_view t) {
        const std::size_t close = t.rfind(']');
        const std::string_view name =
            close == std::string_view::npos ? std::string_view() : t.substr(1, close - 1);
        const bool deletion = name.starts_with('-');
        const bool ours =
            RegTree::fold(name.substr(0, rootName_.size())) == RegTree::fold(rootName_) &&
            (name.size() == rootName_.size() || name[rootName_.size()] == '\\');
        if (close == std::string_view::npos || deletion || !ours)
            return skipKey(!deletion);
        currentPath_ =
            std::string(name.size() > rootName_.size() ? name.substr(rootName_.size() + 1)
                                                       : std::string_view());
        if (!keyPathWithinLimits(currentPath_))
            return skipKey(true);
        if (!currentPath_.empty())
            result_.tree.createKey(currentPath_);
        inKey_ = true;
        skippingKey_ = false;
    }

    void valueLine(std::string_view t) {
        std::string name;
        std::string_view rest = t;
        bool ok = inKey_;
        if (ok && rest.front() == '@')
            rest.remove_prefix(1);
        else
            ok = ok && readQuoted(rest, name);
        rest = trim(rest);
        ok = ok && !rest.empty() && rest.front() == '=';
        if (ok && trim(rest.substr(1)) == "-") {
            result_.tree.deleteValue(currentPath_, name);
            return;
        }
        ok = ok && valueNameWithinLimits(name);
        RegValue value;
        if (ok && readData(rest.substr(1), value))
            result_.tree.setValue(currentPath_, name, value);
        else
            result_.damaged = true;
    }

    Lines lines_;
    std::string_view rootName_;
    RegParseResult result_;
    std::string currentPath_;
    bool inKey_ = false;
    bool skippingKey_ = false;
};

} // namespace

RegParseResult parseRegEdit4(std::string_view text, std::string_view rootName) {
    return RegEdit4Parser(text, rootName).run();
}

std::string writeRegEdit4(const RegTree& tree, std::string_view rootName) {
    std::string out = "REGEDIT4\r\n\r\n";
    const RegTree::Key* root = tree.key(std::string());
    if (root && !root->values.empty()) {
        out.append("[").append(rootName).append("]\r\n");
        for (const auto& [name, value] : root->values)
            appendValue(out, name, value);
        out += "\r\n";
    }
    for (const auto& [folded, key] : tree.keys()) {
        if (folded.empty())
            continue;
        out.append("[").append(rootName).append("\\").append(key.path).append("]\r\n");
        for (const auto& [name, value] : key.values)
            appendValue(out, name, value);
        out += "\r\n";
    }
    return out;
}

} // namespace platform
