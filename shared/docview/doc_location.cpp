// Location arithmetic for the document view; portable string work only.
#include "shared/docview/doc_location.h"

#include <vector>

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool StartsWithNoCase(const std::string& s, const char* prefix) {
    size_t i = 0;
    for (; prefix[i]; ++i)
        if (i >= s.size() || Lower(s[i]) != prefix[i]) return false;
    return true;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecode(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && HexValue(s[i + 1]) >= 0 && HexValue(s[i + 2]) >= 0) {
            char c = static_cast<char>(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2]));
            if (c != '\0') {
                out += c;
                i += 2;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

std::string PercentEncodePath(const std::string& s) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : s) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c <= ' ' || c == '%' || c == '#' || c == '?' || c == '"' || c >= 0x7F) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

// Joins and normalises "/"-separated segments, resolving "." and "..".
std::string NormaliseSegments(const std::string& root, const std::string& rest) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find('/', start);
        if (end == std::string::npos) end = rest.size();
        std::string seg = rest.substr(start, end - start);
        if (seg == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!seg.empty() && seg != ".") {
            parts.push_back(seg);
        }
        start = end + 1;
    }
    std::string out = root;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += '/';
        out += parts[i];
    }
    return out;
}

// Splits a hierarchical URL into "scheme://authority/" and the path after it.
void SplitUrl(const std::string& url, std::string* root, std::string* path) {
    size_t schemeEnd = url.find(':');
    size_t p = schemeEnd + 1;
    if (url.compare(p, 2, "//") == 0) {
        size_t slash = url.find('/', p + 2);
        if (slash == std::string::npos) {
            *root = url + "/";
            path->clear();
            return;
        }
        *root = url.substr(0, slash + 1);
        *path = url.substr(slash + 1);
        // file:///C:/x keeps the drive inside the root so ".." cannot climb past it.
        if (StartsWithNoCase(url, "file:") && path->size() >= 2 && IsAlpha((*path)[0]) && (*path)[1] == ':') {
            *root += path->substr(0, 2) + "/";
            *path = path->size() > 3 ? path->substr(3) : std::string();
        }
        return;
    }
    *root = url.substr(0, p);
    *path = url.substr(p);
}

std::string StripQueryAndFragment(const std::string& s) {
    size_t cut = s.find_first_of("?#");
    return cut == std::string::npos ? s : s.substr(0, cut);
}

}  // namespace

bool IsWebUrl(const std::string& location) {
    return StartsWithNoCase(location, "http:") || StartsWithNoCase(location, "https:");
}

bool HasUrlScheme(const std::string& location) {
    size_t i = 0;
    while (i < location.size() &&
           (IsAlpha(location[i]) || (i > 0 && (location[i] == '+' || location[i] == '-' || location[i] == '.' ||
                                               (location[i] >= '0' && location[i] <= '9')))))
        ++i;
    return i >= 2 && i < location.size() && location[i] == ':';
}

std::string PathToFileUrl(const std::string& location) {
    if (location.empty() || HasUrlScheme(location)) return location;
    std::string path = location;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.compare(0, 2, "//") == 0) return "file:" + PercentEncodePath(path);
    if (!path.empty() && path[0] == '/') return "file://" + PercentEncodePath(path);
    return "file:///" + PercentEncodePath(path);
}

std::string FileUrlToPath(const std::string& location) {
    if (!HasUrlScheme(location)) return location;
    if (!StartsWithNoCase(location, "file:")) return std::string();
    std::string rest = location.substr(5);
    std::string path;
    if (rest.compare(0, 3, "///") == 0) {
        path = rest.substr(3);
        // "file:///C:/x" is a drive path; "file:///home/x" a rooted one.
        if (!(path.size() >= 2 && IsAlpha(path[0]) && (path[1] == ':' || path[1] == '|'))) path = "/" + path;
        else if (path[1] == '|') path[1] = ':';
    } else if (rest.compare(0, 2, "//") == 0) {
        path = "//" + rest.substr(2);
    } else {
        path = rest;
    }
    path = PercentDecode(StripQueryAndFragment(path));
    bool drive = path.size() >= 2 && IsAlpha(path[0]) && path[1] == ':';
    if (drive || path.compare(0, 2, "//") == 0)
        for (char& c : path)
            if (c == '/') c = '\\';
    return path;
}

std::string ResolveLink(const std::string& pageLocation, const std::string& rawHref) {
    // Trim spaces and control characters around the href, as browsers do.
    size_t b = 0, e = rawHref.size();
    while (b < e && static_cast<unsigned char>(rawHref[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(rawHref[e - 1]) <= ' ') --e;
    std::string href = rawHref.substr(b, e - b);
    if (href.empty() || href[0] == '#') return std::string();
    if (HasUrlScheme(href)) return href;
    // A Windows path written straight into the page.
    if ((href.size() >= 2 && IsAlpha(href[0]) && href[1] == ':') || href.compare(0, 2, "\\\\") == 0)
        return PathToFileUrl(href);
    std::string base = PathToFileUrl(pageLocation);
    if (!HasUrlScheme(base)) return std::string();
    std::string root, basePath;
    SplitUrl(base, &root, &basePath);
    bool fileBase = StartsWithNoCase(base, "file:");
    if (fileBase) basePath = StripQueryAndFragment(basePath);
    // Spaces and other unsafe bytes of the href are escaped as in the base; "%xx" stays.
    std::string target;
    for (char c : href) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '\\') target += '/';
        else if (u <= ' ' || c == '"' || u >= 0x7F) target += PercentEncodePath(std::string(1, c));
        else target += c;
    }
    std::string suffix;
    size_t cut = target.find_first_of("?#");
    if (cut != std::string::npos) {
        if (!fileBase) suffix = target.substr(cut);
        target = target.substr(0, cut);
    }
    if (!target.empty() && target[0] == '/' && target.compare(0, 2, "//") != 0)
        return NormaliseSegments(root, target.substr(1)) + suffix;
    if (target.compare(0, 2, "//") == 0) {
        size_t colon = base.find(':');
        return base.substr(0, colon + 1) + target + suffix;
    }
    size_t lastSlash = basePath.rfind('/');
    std::string folder = lastSlash == std::string::npos ? std::string() : basePath.substr(0, lastSlash + 1);
    if (target.empty()) target = basePath.substr(folder.size());
    return NormaliseSegments(root, folder + target) + suffix;
}

std::string ExtensionOf(const std::string& location) {
    std::string path = HasUrlScheme(location) ? StripQueryAndFragment(location) : location;
    size_t dot = path.rfind('.');
    size_t sep = path.find_last_of("/\\");
    if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return std::string();
    std::string ext;
    for (size_t i = dot; i < path.size(); ++i) ext += Lower(path[i]);
    return ext;
}

DocumentType DocumentTypeOf(const std::string& location) {
    // An editor's working copy ("index.html~") is of its document's type.
    std::string name = location;
    while (!name.empty() && name.back() == '~') name.pop_back();
    std::string ext = ExtensionOf(name);
    if (ext == ".htm" || ext == ".html" || ext == ".xhtml") return DocumentType::Html;
    if (ext == ".txt" || ext == ".log" || ext == ".text") return DocumentType::Text;
    return DocumentType::Other;
}
