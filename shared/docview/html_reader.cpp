// The tolerant HTML reader: one pass over the bytes, no tree. Block elements
// start new blocks, inline elements change the style of the text that
// follows, and anything it does not know is read as a plain container.
#include "shared/docview/html_reader.h"

#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Length of the valid UTF-8 sequence at p, or 0 when it is not one.
size_t Utf8SequenceLength(const unsigned char* p, size_t left) {
    unsigned char c = p[0];
    size_t n;
    std::uint32_t cp;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else return 0;
    if (left < n) return 0;
    for (size_t i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

bool HasUtf8Bom(const std::string& bytes) { return bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0; }

// Brings the bytes into the encoding the result is written in; takes them
// over, as a page can be large.
std::string PrepareText(std::string text, const ReadOptions& options, bool* utf8) {
    const bool isUtf8 = LooksLikeUtf8(text);
    if (HasUtf8Bom(text)) text.erase(0, 3);
    *utf8 = false;
    if (isUtf8) {
        if (options.utf8ToAnsi) text = options.utf8ToAnsi(text);
        else *utf8 = true;
    }
    return text;
}

enum class Tag {
    Unknown,
    Block,
    RawText,
    Title,
    Head,
    Body,
    Ignored,
    Bold,
    Italic,
    Underline,
    Mono,
    Anchor,
    Br,
    Img,
    Cell,
    Hr,
    Heading,
    List,
    OrderedList,
    Li,
    Blockquote,
    Pre,
};

struct TagInfo {
    Tag tag;
    int level;  // heading level
};

const std::unordered_map<std::string, TagInfo>& TagTable() {
    static const std::unordered_map<std::string, TagInfo> table = [] {
        std::unordered_map<std::string, TagInfo> t;
        for (const char* n : {"script", "style", "noscript", "template", "textarea", "xmp"}) t[n] = {Tag::RawText, 0};
        t["title"] = {Tag::Title, 0};
        t["head"] = {Tag::Head, 0};
        t["body"] = {Tag::Body, 0};
        for (const char* n : {"meta", "link", "base"}) t[n] = {Tag::Ignored, 0};
        for (const char* n : {"b", "strong"}) t[n] = {Tag::Bold, 0};
        for (const char* n : {"i", "em", "cite", "var", "dfn"}) t[n] = {Tag::Italic, 0};
        for (const char* n : {"u", "ins"}) t[n] = {Tag::Underline, 0};
        for (const char* n : {"code", "tt", "kbd", "samp"}) t[n] = {Tag::Mono, 0};
        t["a"] = {Tag::Anchor, 0};
        t["br"] = {Tag::Br, 0};
        t["img"] = {Tag::Img, 0};
        for (const char* n : {"td", "th"}) t[n] = {Tag::Cell, 0};
        t["hr"] = {Tag::Hr, 0};
        for (int level = 1; level <= 6; ++level)
            t[std::string("h") + static_cast<char>('0' + level)] = {Tag::Heading, level};
        for (const char* n : {"ul", "dl", "menu", "dir"}) t[n] = {Tag::List, 0};
        t["ol"] = {Tag::OrderedList, 0};
        t["li"] = {Tag::Li, 0};
        t["blockquote"] = {Tag::Blockquote, 0};
        for (const char* n : {"pre", "listing", "plaintext"}) t[n] = {Tag::Pre, 0};
        for (const char* n : {"p",          "div",   "section", "article", "header", "footer",   "nav",
                              "main",       "aside", "address", "center",  "form",   "fieldset", "figure",
                              "figcaption", "table", "tr",      "caption", "dt",     "dd",       "details",
                              "summary",    "html",  "thead",   "tbody",   "tfoot",  "legend",   "option"})
            t[n] = {Tag::Block, 0};
        return t;
    }();
    return table;
}

struct InlineElement {
    Tag tag;
    std::string href;
};

struct ListLevel {
    bool ordered = false;
    int next = 1;
};

}  // namespace

class HtmlPageReader::Impl {
public:
    Impl(std::string bytes, const ReadOptions& options) : options_(options), tags_(TagTable()) {
        text_ = PrepareText(std::move(bytes), options_, &utf8_);
    }

    bool Done() const { return finished_; }

    bool ReadMore(HtmlDocument& document, size_t budget) {
        doc_ = &document;
        document.utf8 = utf8_;
        const size_t n = text_.size();
        const char* data = text_.data();
        // Stops between pieces of markup or text, so the reader's state carries over.
        const size_t stop = budget >= n - pos_ ? n : pos_ + budget;
        while (pos_ < stop) {
            const char c = data[pos_];
            if (c == '<' && ReadMarkup()) continue;
            if (c == '&') {
                std::string piece;
                pos_ = DecodeReferenceAt(text_, pos_, &piece);
                AddText(piece.data(), piece.size());
                continue;
            }
            // Plain text up to the next markup or reference.
            size_t end = pos_ + 1;
            while (end < n && data[end] != '<' && data[end] != '&') ++end;
            AddText(data + pos_, end - pos_);
            pos_ = end;
        }
        if (pos_ >= n && !finished_) {
            FlushBlock();
            finished_ = true;
        }
        doc_ = nullptr;
        return finished_;
    }

private:
    // --- markup -------------------------------------------------------------

    // Reads the markup at '<'. False when the '<' is a plain character.
    bool ReadMarkup() {
        const size_t n = text_.size();
        size_t p = pos_ + 1;
        if (p >= n) return false;
        if (text_.compare(p, 3, "!--") == 0) {
            size_t end = text_.find("-->", p + 3);
            pos_ = (end == std::string::npos) ? n : end + 3;
            return true;
        }
        if (text_[p] == '!' || text_[p] == '?') {  // doctype, processing instruction
            size_t end = text_.find('>', p);
            pos_ = (end == std::string::npos) ? n : end + 1;
            return true;
        }
        bool closing = false;
        if (text_[p] == '/') {
            closing = true;
            ++p;
        }
        if (p >= n || !IsAlpha(text_[p])) return false;
        name_.clear();
        while (p < n && (IsAlpha(text_[p]) || IsDigit(text_[p]) || text_[p] == '-' || text_[p] == ':')) {
            if (name_.size() < 16) name_ += Lower(text_[p]);
            ++p;
        }
        const size_t attributesBegin = p;
        const size_t tagEnd = FindTagEnd(p);
        pos_ = (tagEnd < n) ? tagEnd + 1 : n;
        auto found = tags_.find(name_);
        const TagInfo info = found == tags_.end() ? TagInfo{Tag::Unknown, 0} : found->second;
        if (closing) EndTag(info);
        else StartTag(info, attributesBegin, tagEnd);
        return true;
    }

    // The '>' that ends a tag, honouring quoted attribute values; an unclosed
    // quote falls back to the first '>' so that one typo cannot eat the page.
    size_t FindTagEnd(size_t p) const {
        const size_t n = text_.size();
        char quote = 0;
        for (size_t i = p; i < n; ++i) {
            char c = text_[i];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return i;
            }
        }
        size_t plain = text_.find('>', p);
        return plain == std::string::npos ? n : plain;
    }

    // The value of one attribute of the tag whose attributes lie in [p, end).
    std::string Attribute(size_t p, size_t end, const char* wanted) const {
        const std::string& a = text_;
        const size_t wantedLength = std::strlen(wanted);
        while (p < end) {
            while (p < end && (IsSpace(a[p]) || a[p] == '/')) ++p;
            size_t nameStart = p;
            while (p < end && !IsSpace(a[p]) && a[p] != '=' && a[p] != '/') ++p;
            bool match = p - nameStart == wantedLength;
            for (size_t i = 0; match && i < wantedLength; ++i) match = Lower(a[nameStart + i]) == wanted[i];
            while (p < end && IsSpace(a[p])) ++p;
            size_t valueBegin = p, valueEnd = p;
            if (p < end && a[p] == '=') {
                ++p;
                while (p < end && IsSpace(a[p])) ++p;
                if (p < end && (a[p] == '"' || a[p] == '\'')) {
                    char quote = a[p++];
                    valueBegin = p;
                    while (p < end && a[p] != quote) ++p;
                    valueEnd = p;
                    if (p < end) ++p;
                } else {
                    valueBegin = p;
                    while (p < end && !IsSpace(a[p])) ++p;
                    valueEnd = p;
                }
            }
            if (match) return a.substr(valueBegin, valueEnd - valueBegin);
            if (p == nameStart) ++p;  // never stall on odd characters
        }
        return std::string();
    }

    // Skips raw text up to the matching end tag (script, style, title ...).
    std::string RawTextUntil(const std::string& name) {
        const size_t n = text_.size();
        const size_t len = name.size();
        size_t p = pos_;
        while (p < n) {
            size_t lt = text_.find("</", p);
            if (lt == std::string::npos) break;
            bool match = lt + 2 + len <= n;
            for (size_t i = 0; match && i < len; ++i) match = Lower(text_[lt + 2 + i]) == name[i];
            if (match) {
                std::string raw = text_.substr(pos_, lt - pos_);
                size_t end = text_.find('>', lt);
                pos_ = (end == std::string::npos) ? n : end + 1;
                return raw;
            }
            p = lt + 2;
        }
        std::string raw = text_.substr(pos_);
        pos_ = n;
        return raw;
    }

    void StartTag(const TagInfo& info, size_t attributes, size_t attributesEnd) {
        switch (info.tag) {
        case Tag::RawText: RawTextUntil(name_); return;
        case Tag::Title: {
            std::string raw = RawTextUntil("title");
            if (doc_->title.empty()) doc_->title = CollapseSpaces(DecodeReferences(raw));
            return;
        }
        case Tag::Head: inHead_ = true; return;
        case Tag::Body: inHead_ = false; return;
        case Tag::Ignored:
        case Tag::Unknown: return;
        case Tag::Bold:
        case Tag::Italic:
        case Tag::Underline:
        case Tag::Mono: PushInline(info.tag, std::string()); return;
        case Tag::Anchor:
            PopInline(Tag::Anchor);  // links do not nest
            PushInline(Tag::Anchor, DecodeReferences(Attribute(attributes, attributesEnd, "href")));
            return;
        case Tag::Br:
            inHead_ = false;
            AddBreak();
            return;
        case Tag::Img: {
            std::string alt = DecodeReferences(Attribute(attributes, attributesEnd, "alt"));
            AddText(alt.data(), alt.size());
            return;
        }
        case Tag::Cell: AddText(" ", 1); return;
        default: break;
        }
        inHead_ = false;
        FlushBlock();
        switch (info.tag) {
        case Tag::Hr: {
            TextBlock rule;
            rule.kind = BlockKind::Rule;
            rule.indent = Indent();
            doc_->blocks.push_back(rule);
            return;
        }
        case Tag::Heading: heading_ = info.level; return;
        case Tag::List:
        case Tag::OrderedList: {
            if (lists_.size() >= 64) return;  // deeper nesting reads as the deepest level
            ListLevel level;
            level.ordered = info.tag == Tag::OrderedList;
            std::string start = level.ordered ? Attribute(attributes, attributesEnd, "start") : std::string();
            if (!start.empty() && start.size() < 9) level.next = std::atoi(start.c_str());
            lists_.push_back(level);
            return;
        }
        case Tag::Li: {
            EmitEmptyItem();
            if (lists_.empty()) lists_.push_back(ListLevel());
            ListLevel& list = lists_.back();
            pendingMarker_ = list.ordered ? std::to_string(list.next++) + "." : Bullet();
            return;
        }
        case Tag::Blockquote: ++quoteDepth_; return;
        case Tag::Pre:
            ++preDepth_;
            if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            return;
        default: return;
        }
    }

    void EndTag(const TagInfo& info) {
        switch (info.tag) {
        case Tag::Head: inHead_ = false; return;
        case Tag::Bold:
        case Tag::Italic:
        case Tag::Underline:
        case Tag::Mono:
        case Tag::Anchor: PopInline(info.tag); return;
        case Tag::Heading:
            FlushBlock();
            heading_ = 0;
            return;
        case Tag::List:
        case Tag::OrderedList:
            FlushBlock();
            EmitEmptyItem();
            if (!lists_.empty()) lists_.pop_back();
            return;
        case Tag::Blockquote:
            FlushBlock();
            if (quoteDepth_ > 0) --quoteDepth_;
            return;
        case Tag::Pre:
            FlushBlock();
            if (preDepth_ > 0) --preDepth_;
            return;
        case Tag::Li:
            FlushBlock();
            EmitEmptyItem();
            return;
        case Tag::Block: FlushBlock(); return;
        default: return;
        }
    }

    // --- inline style -------------------------------------------------------

    void PushInline(Tag tag, std::string href) {
        if (inline_.size() >= 256) return;  // bounded: pathological pages cannot grow it without end
        inline_.push_back(InlineElement{tag, std::move(href)});
        UpdateStyle();
    }

    void PopInline(Tag tag) {
        for (size_t i = inline_.size(); i > 0; --i) {
            if (inline_[i - 1].tag == tag) {
                inline_.erase(inline_.begin() + static_cast<std::ptrdiff_t>(i - 1));
                UpdateStyle();
                return;
            }
        }
    }

    void UpdateStyle() {
        style_ = TextRun();
        for (const InlineElement& e : inline_) {
            switch (e.tag) {
            case Tag::Bold: style_.bold = true; break;
            case Tag::Italic: style_.italic = true; break;
            case Tag::Underline: style_.underline = true; break;
            case Tag::Mono: style_.monospace = true; break;
            case Tag::Anchor: style_.href = e.href; break;
            default: break;
            }
        }
    }

    // --- text ---------------------------------------------------------------

    std::string Bullet() const { return EncodeCodePoint(0x2022); }

    std::string EncodeCodePoint(std::uint32_t cp) const {
        if (utf8_) return EncodeUtf8(cp);
        if (options_.codePointToAnsi) return options_.codePointToAnsi(cp);
        return EncodeWindows1252(cp);
    }

    // Decodes the character reference at s[p] ('&'); a lone '&' stays itself.
    size_t DecodeReferenceAt(const std::string& s, size_t p, std::string* out) const {
        const size_t n = s.size();
        size_t q = p + 1;
        if (q < n && s[q] == '#') {
            ++q;
            bool hex = q < n && (s[q] == 'x' || s[q] == 'X');
            if (hex) ++q;
            std::uint32_t value = 0;
            size_t digits = 0;
            while (q < n) {
                char c = s[q];
                int d;
                if (IsDigit(c)) d = c - '0';
                else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
                else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
                else break;
                if (value <= 0x10FFFF) value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
                ++digits;
                ++q;
            }
            if (digits == 0) {
                *out = "&";
                return p + 1;
            }
            if (q < n && s[q] == ';') ++q;
            // Numeric references to 128-159 mean Windows-1252 characters, as browsers read them.
            if (value >= 0x80 && value <= 0x9F) {
                static const std::uint16_t k1252[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                                        0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
                value = k1252[value - 0x80];
            }
            *out = (value == 0 || value > 0x10FFFF) ? EncodeCodePoint(0xFFFD) : EncodeCodePoint(value);
            return q;
        }
        size_t nameEnd = q;
        while (nameEnd < n && nameEnd - q < 10 && (IsAlpha(s[nameEnd]) || IsDigit(s[nameEnd]))) ++nameEnd;
        std::uint32_t cp = 0;
        if (nameEnd > q && LookUpNamedEntity(s.substr(q, nameEnd - q), &cp)) {
            if (nameEnd < n && s[nameEnd] == ';') ++nameEnd;
            *out = EncodeCodePoint(cp);
            return nameEnd;
        }
        *out = "&";
        return p + 1;
    }

    std::string DecodeReferences(const std::string& s) const {
        std::string out;
        size_t p = 0;
        while (p < s.size()) {
            if (s[p] == '&') {
                std::string piece;
                p = DecodeReferenceAt(s, p, &piece);
                out += piece;
            } else {
                out += s[p++];
            }
        }
        return out;
    }

    static std::string CollapseSpaces(const std::string& s) {
        std::string out;
        bool space = false;
        for (char c : s) {
            if (IsSpace(c)) {
                space = !out.empty();
            } else {
                if (space) out += ' ';
                space = false;
                out += c;
            }
        }
        return out;
    }

    int Indent() const { return static_cast<int>(lists_.size()) + quoteDepth_; }

    void BeginBlockIfNeeded() {
        if (open_) return;
        open_ = true;
        block_ = TextBlock();
        if (preDepth_ > 0) block_.kind = BlockKind::Preformatted;
        if (heading_ > 0) {
            block_.kind = BlockKind::Heading;
            block_.level = heading_;
        }
        if (!pendingMarker_.empty()) {
            block_.kind = BlockKind::ListItem;
            block_.marker = pendingMarker_;
            pendingMarker_.clear();
        }
        block_.indent = Indent();
        block_.quote = quoteDepth_ > 0;
    }

    TextRun& RunForCurrentStyle() {
        if (!block_.runs.empty()) {
            TextRun& last = block_.runs.back();
            if (last.bold == style_.bold && last.italic == style_.italic && last.underline == style_.underline &&
                last.monospace == style_.monospace && last.href == style_.href)
                return last;
        }
        block_.runs.push_back(style_);
        return block_.runs.back();
    }

    char LastCharacter() const {
        if (!open_ || block_.runs.empty() || block_.runs.back().text.empty()) return '\n';
        return block_.runs.back().text.back();
    }

    void AddText(const char* raw, size_t length) {
        if (inHead_ || length == 0) return;
        if (preDepth_ > 0) {
            BeginBlockIfNeeded();
            std::string& out = RunForCurrentStyle().text;
            for (size_t i = 0; i < length; ++i) {
                char c = raw[i];
                if (c == '\r' || c == '\0') continue;
                if (c == '\t') out.append(4, ' ');
                else out += c;
            }
            return;
        }
        // Runs of white space become one space; none at the start of a block or line.
        std::string* out = nullptr;
        bool lastIsSpace = LastCharacter() == ' ' || LastCharacter() == '\n';
        size_t i = 0;
        while (i < length) {
            const char c = raw[i];
            if (c == '\0') {
                ++i;
                continue;
            }
            if (IsSpace(c)) {
                if (!lastIsSpace && open_) {
                    if (!out) out = &RunForCurrentStyle().text;
                    *out += ' ';
                    lastIsSpace = true;
                }
                ++i;
                continue;
            }
            size_t end = i + 1;  // a word goes in whole
            while (end < length && raw[end] != '\0' && !IsSpace(raw[end])) ++end;
            if (!out) {
                BeginBlockIfNeeded();
                out = &RunForCurrentStyle().text;
            }
            out->append(raw + i, end - i);
            lastIsSpace = false;
            i = end;
        }
    }

    void AddBreak() {
        BeginBlockIfNeeded();
        // A space before a line break carries nothing.
        if (!block_.runs.empty() && !block_.runs.back().text.empty() && block_.runs.back().text.back() == ' ')
            block_.runs.back().text.pop_back();
        RunForCurrentStyle().text += '\n';
    }

    // An item that ended before any text still shows its bullet or number.
    void EmitEmptyItem() {
        if (pendingMarker_.empty()) return;
        BeginBlockIfNeeded();
        FlushBlock();
    }

    void FlushBlock() {
        if (!open_) return;
        open_ = false;
        // Trailing line breaks and spaces carry nothing.
        while (!block_.runs.empty()) {
            std::string& t = block_.runs.back().text;
            while (!t.empty() && (t.back() == '\n' || (block_.kind != BlockKind::Preformatted && t.back() == ' ')))
                t.pop_back();
            if (!t.empty()) break;
            block_.runs.pop_back();
        }
        if (block_.runs.empty() && block_.kind != BlockKind::ListItem) return;
        doc_->blocks.push_back(std::move(block_));
        block_ = TextBlock();
    }

    std::string text_;
    bool utf8_ = false;
    const ReadOptions options_;
    const std::unordered_map<std::string, TagInfo>& tags_;
    size_t pos_ = 0;
    bool finished_ = false;
    std::string name_;
    HtmlDocument* doc_ = nullptr;
    TextBlock block_;
    TextRun style_;
    bool open_ = false;
    bool inHead_ = false;
    int heading_ = 0;
    int quoteDepth_ = 0;
    int preDepth_ = 0;
    std::string pendingMarker_;
    std::vector<ListLevel> lists_;
    std::vector<InlineElement> inline_;
};

HtmlPageReader::HtmlPageReader(std::string bytes, const ReadOptions& options)
    : impl_(new Impl(std::move(bytes), options)) {}

HtmlPageReader::~HtmlPageReader() = default;

bool HtmlPageReader::ReadMore(HtmlDocument& document, size_t budget) { return impl_->ReadMore(document, budget); }

bool HtmlPageReader::Done() const { return impl_->Done(); }

bool LooksLikeUtf8(const std::string& bytes) {
    if (HasUtf8Bom(bytes)) return true;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    bool high = false;
    size_t i = 0;
    while (i < n) {
        // Plain ASCII, the bulk of most pages, is passed over eight bytes at a time.
        while (n - i >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ull) break;
            i += 8;
        }
        if (i >= n) break;
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        size_t len = Utf8SequenceLength(p + i, n - i);
        if (len == 0) return false;
        high = true;
        i += len;
    }
    return high;
}

HtmlDocument ReadHtml(const std::string& bytes, const ReadOptions& options) {
    HtmlPageReader reader(bytes, options);
    HtmlDocument document;
    reader.ReadMore(document, std::string::npos);
    return document;
}

HtmlDocument ReadPlainText(const std::string& bytes, const ReadOptions& options) {
    HtmlDocument doc;
    std::string text = PrepareText(bytes, options, &doc.utf8);
    // Paragraphs are separated by blank lines; each keeps its own line breaks.
    TextBlock block;
    block.kind = BlockKind::Preformatted;
    std::string current;
    int blankRun = 0;
    auto flush = [&]() {
        while (!current.empty() && current.back() == '\n') current.pop_back();
        if (!current.empty()) {
            TextBlock b = block;
            TextRun run;
            run.text = current;
            b.runs.push_back(run);
            doc.blocks.push_back(std::move(b));
        }
        current.clear();
    };
    size_t lineStart = 0;
    while (lineStart <= text.size()) {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string::npos) lineEnd = text.size();
        std::string line = text.substr(lineStart, lineEnd - lineStart);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string expanded;
        for (char c : line) {
            if (c == '\t') expanded.append(4, ' ');
            else if (c != '\0') expanded += c;
        }
        bool blank = expanded.find_first_not_of(' ') == std::string::npos;
        if (blank) {
            if (++blankRun == 1) flush();
        } else {
            blankRun = 0;
            current += expanded;
            current += '\n';
        }
        lineStart = lineEnd + 1;
    }
    flush();
    return doc;
}

std::string DocumentBodyText(const HtmlDocument& document) {
    size_t size = 0;
    for (const TextBlock& block : document.blocks)
        for (const TextRun& run : block.runs) size += run.text.size() + 2;
    std::string out;
    out.reserve(size + size / 16);
    for (const TextBlock& block : document.blocks) {
        if (block.kind == BlockKind::Rule) continue;
        if (!out.empty()) out += "\r\n";
        for (const TextRun& run : block.runs) {
            const std::string& t = run.text;
            size_t start = 0;
            for (size_t br = t.find('\n'); br != std::string::npos; br = t.find('\n', start)) {
                out.append(t, start, br - start);
                out += "\r\n";
                start = br + 1;
            }
            out.append(t, start, std::string::npos);
        }
    }
    return out;
}
