// Word-wrapping layout of read pages.
#include "shared/docview/page_layout.h"

#include <algorithm>

namespace {

enum class TokenKind { Word, Space, Break };

struct Token {
    TokenKind kind;
    FontKey font;
    int link;
    const char* text;
    size_t length;
};

FontRole RoleFor(const TextBlock& block, const TextRun& run) {
    if (block.kind == BlockKind::Heading) {
        int level = std::min(std::max(block.level, 1), 6);
        return static_cast<FontRole>(static_cast<int>(FontRole::Heading1) + level - 1);
    }
    if (block.kind == BlockKind::Preformatted || run.monospace) return FontRole::Mono;
    return FontRole::Body;
}

// Bytes of the character starting at text[0]: UTF-8 sequences stay whole.
size_t CharLength(const char* text, size_t left, bool utf8) {
    if (!utf8) return 1;
    unsigned char c = static_cast<unsigned char>(text[0]);
    size_t n = (c >= 0xF0) ? 4 : (c >= 0xE0) ? 3 : (c >= 0xC0) ? 2 : 1;
    return std::min(n, left);
}

class LineBuilder {
public:
    LineBuilder(PageLayout& layout, TextMeasurer& measurer, bool utf8)
        : layout_(layout), measurer_(measurer), utf8_(utf8) {}

    void BeginBlock(size_t block, int left, int right, int top, FontKey baseFont, int quoteBarX) {
        block_ = block;
        left_ = left;
        right_ = std::max(right, left + 1);
        y_ = top;
        baseFont_ = baseFont;
        quoteBarX_ = quoteBarX;
        StartLine(true);
    }

    void AddMarker(const std::string& marker, const FontKey& font, int gap) {
        if (marker.empty()) return;
        // Markers are short strings kept inside their blocks, which move as the
        // document grows: the layout keeps its own copy for the fragment to show.
        if (layout_.markers.empty() || layout_.markers.back() != marker) layout_.markers.push_back(marker);
        LayoutFragment f;
        f.font = font;
        f.text = layout_.markers.back();
        f.width = measurer_.TextWidth(font, marker.data(), marker.size());
        f.x = std::max(0, left_ - gap - f.width);
        line_.fragments.push_back(f);
    }

    void Add(const std::vector<Token>& tokens) {
        size_t i = 0;
        while (i < tokens.size()) {
            const Token& t = tokens[i];
            if (t.kind == TokenKind::Break) {
                pendingSpaces_.clear();
                EndLine();
                StartLine(true);
                ++i;
                continue;
            }
            if (t.kind == TokenKind::Space) {
                pendingSpaces_.push_back(t);
                ++i;
                continue;
            }
            // A group of words with no space between them (styles may change inside a word).
            size_t end = i;
            int groupWidth = 0;
            std::vector<int>& widths = widths_;
            widths.clear();
            while (end < tokens.size() && tokens[end].kind == TokenKind::Word) {
                int w = measurer_.TextWidth(tokens[end].font, tokens[end].text, tokens[end].length);
                widths.push_back(w);
                groupWidth += w;
                ++end;
            }
            int spaceWidth = 0;
            for (const Token& s : pendingSpaces_) spaceWidth += measurer_.TextWidth(s.font, s.text, s.length);
            if (hasContent_ && x_ + spaceWidth + groupWidth > right_) {
                pendingSpaces_.clear();
                EndLine();
                StartLine(false);
                spaceWidth = 0;
            }
            if (!pendingSpaces_.empty() && (hasContent_ || hardStart_)) {
                for (const Token& s : pendingSpaces_) Place(s, measurer_.TextWidth(s.font, s.text, s.length));
            }
            pendingSpaces_.clear();
            if (x_ + groupWidth <= right_ || (!hasContent_ && groupWidth <= right_ - left_)) {
                for (size_t k = i; k < end; ++k) Place(tokens[k], widths[k - i]);
            } else {
                for (size_t k = i; k < end; ++k) PlaceByCharacters(tokens[k]);
            }
            i = end;
        }
    }

    int EndBlock() {
        EndLine();
        return y_;
    }

private:
    void StartLine(bool hardStart) {
        line_ = LayoutLine();
        line_.fragments.reserve(8);  // one allocation for most lines
        line_.quoteBarX = quoteBarX_;
        line_.block = block_;
        x_ = left_;
        hasContent_ = false;
        hardStart_ = hardStart;
    }

    void EndLine() {
        int ascent = 0, descent = 0;
        auto account = [&](const FontKey& font) {
            FontMetrics m = measurer_.Metrics(font);
            ascent = std::max(ascent, m.ascent);
            descent = std::max(descent, m.height - m.ascent);
        };
        account(baseFont_);
        for (const LayoutFragment& f : line_.fragments) account(f.font);
        line_.top = y_;
        line_.ascent = ascent;
        line_.height = ascent + descent;
        y_ += line_.height;
        layout_.lines.push_back(std::move(line_));
        line_ = LayoutLine();
    }

    void Place(const Token& t, int width) {
        if (!line_.fragments.empty()) {
            LayoutFragment& last = line_.fragments.back();
            // Neighbours in the same run lie side by side in the text too.
            if (last.font == t.font && last.link == t.link && last.x + last.width == x_ &&
                last.text.data() + last.text.size() == t.text) {
                last.text = std::string_view(last.text.data(), last.text.size() + t.length);
                last.width += width;
                x_ += width;
                hasContent_ = true;
                return;
            }
        }
        LayoutFragment f;
        f.x = x_;
        f.width = width;
        f.font = t.font;
        f.link = t.link;
        f.text = std::string_view(t.text, t.length);
        line_.fragments.push_back(std::move(f));
        x_ += width;
        hasContent_ = true;
    }

    // A word wider than the whole column is broken between characters.
    void PlaceByCharacters(const Token& t) {
        size_t p = 0;
        while (p < t.length) {
            size_t n = CharLength(t.text + p, t.length - p, utf8_);
            int w = measurer_.TextWidth(t.font, t.text + p, n);
            if (hasContent_ && x_ + w > right_) {
                EndLine();
                StartLine(false);
            }
            Token piece = t;
            piece.text = t.text + p;
            piece.length = n;
            Place(piece, w);
            p += n;
        }
    }

    PageLayout& layout_;
    TextMeasurer& measurer_;
    bool utf8_;
    LayoutLine line_;
    std::vector<Token> pendingSpaces_;
    std::vector<int> widths_;
    size_t block_ = 0;
    FontKey baseFont_;
    int left_ = 0, right_ = 0, x_ = 0, y_ = 0, quoteBarX_ = -1;
    bool hasContent_ = false;
    bool hardStart_ = true;
};

void Tokenise(const TextBlock& block, const TextRun& run, int link, std::vector<Token>* tokens) {
    FontKey font;
    font.role = RoleFor(block, run);
    font.bold = run.bold || block.kind == BlockKind::Heading;
    font.italic = run.italic;
    font.underline = run.underline || link >= 0;
    const std::string& s = run.text;
    size_t i = 0;
    while (i < s.size()) {
        TokenKind kind = s[i] == '\n' ? TokenKind::Break : s[i] == ' ' ? TokenKind::Space : TokenKind::Word;
        size_t j = i + 1;
        if (kind == TokenKind::Space) {
            while (j < s.size() && s[j] == ' ') ++j;
        } else if (kind == TokenKind::Word) {
            while (j < s.size() && s[j] != ' ' && s[j] != '\n') ++j;
        }
        tokens->push_back(Token{kind, font, link, s.data() + i, j - i});
        i = j;
    }
}

}  // namespace

PageLayouter::PageLayouter(int width, const LayoutStyle& style) : style_(style), y_(style.marginTop) {
    layout_.width = width;
}

size_t PageLayouter::LayOutBlocks(const HtmlDocument& document, TextMeasurer& measurer, size_t count, bool growing) {
    const int width = layout_.width;
    FontKey body;
    const FontMetrics bodyMetrics = measurer.Metrics(body);
    const int margin = std::max(4, std::min(style_.marginX, width / 12));
    const int columnRight = std::min(width - margin, margin + style_.maxTextWidth);
    const size_t begin = next_;
    const size_t end = document.blocks.size() - begin > count ? begin + count : document.blocks.size();
    LineBuilder builder(layout_, measurer, document.utf8);
    std::vector<Token> tokens;
    for (; next_ < end; ++next_) {
        const TextBlock& block = document.blocks[next_];
        FontKey base;
        if (block.kind == BlockKind::Heading) {
            base.role = RoleFor(block, TextRun());
            base.bold = true;
        } else if (block.kind == BlockKind::Preformatted) {
            base.role = FontRole::Mono;
        }
        const FontMetrics baseMetrics = measurer.Metrics(base);
        // Space above: headings stand apart; list items sit close together.
        if (next_ > 0) {
            if (block.kind == BlockKind::Heading) y_ += baseMetrics.height * 2 / 3;
            else if (block.kind == BlockKind::ListItem && previous_ == BlockKind::ListItem)
                y_ += bodyMetrics.height / 5;
            else y_ += bodyMetrics.height * 2 / 3;
        }
        previous_ = block.kind;
        int left = margin + block.indent * style_.indentStep;
        int right = columnRight;
        if (right - left < 24) left = std::max(margin, right - 24);
        int quoteBar = block.quote ? std::max(0, left - style_.indentStep / 2) : -1;
        if (block.kind == BlockKind::Rule) {
            LayoutLine line;
            line.top = y_;
            line.height = bodyMetrics.height;
            line.ascent = bodyMetrics.ascent;
            line.decoration = LineDecoration::Rule;
            line.block = next_;
            LayoutFragment span;  // the rule's extent, no text
            span.x = left;
            span.width = std::max(0, right - left);
            line.fragments.push_back(span);
            layout_.lines.push_back(line);
            y_ += line.height;
            continue;
        }
        tokens.clear();
        for (const TextRun& run : block.runs) {
            int link = -1;
            if (!run.href.empty()) {
                if (layout_.links.empty() || layout_.links.back() != run.href) layout_.links.push_back(run.href);
                link = static_cast<int>(layout_.links.size()) - 1;
            }
            Tokenise(block, run, link, &tokens);
        }
        builder.BeginBlock(next_, left, right, y_, base, quoteBar);
        if (block.kind == BlockKind::ListItem) builder.AddMarker(block.marker, base, bodyMetrics.height / 2);
        builder.Add(tokens);
        y_ = builder.EndBlock();
    }
    layout_.height = y_ + style_.marginBottom;
    layout_.complete = !growing && next_ == document.blocks.size();
    return next_ - begin;
}

PageLayout LayOutDocument(const HtmlDocument& document, int width, TextMeasurer& measurer, const LayoutStyle& style) {
    PageLayouter layouter(width, style);
    layouter.LayOutBlocks(document, measurer, document.blocks.size());
    return layouter.TakeLayout();
}

size_t FirstLineOfBlock(const PageLayout& layout, size_t block) {
    auto it = std::lower_bound(layout.lines.begin(), layout.lines.end(), block,
                               [](const LayoutLine& line, size_t value) { return line.block < value; });
    return static_cast<size_t>(it - layout.lines.begin());
}

size_t FirstLineAtOrBelow(const PageLayout& layout, int y) {
    auto it = std::upper_bound(layout.lines.begin(), layout.lines.end(), y,
                               [](int value, const LayoutLine& line) { return value < line.top + line.height; });
    return static_cast<size_t>(it - layout.lines.begin());
}

int LinkAt(const PageLayout& layout, int x, int y) {
    size_t i = FirstLineAtOrBelow(layout, y);
    if (i >= layout.lines.size()) return -1;
    const LayoutLine& line = layout.lines[i];
    if (y < line.top) return -1;
    for (const LayoutFragment& f : line.fragments)
        if (f.link >= 0 && x >= f.x && x < f.x + f.width) return f.link;
    return -1;
}
