// Lays the blocks of a read page out into word-wrapped lines for a given
// width. Text is measured through TextMeasurer, so the arithmetic is the same
// with GDI fonts and with the fixed-width fake the unit tests use.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "shared/docview/html_reader.h"

enum class FontRole { Body = 0, Heading1, Heading2, Heading3, Heading4, Heading5, Heading6, Mono, Count };

struct FontKey {
    FontRole role = FontRole::Body;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // A dense number for caching fonts: role x 8 style combinations.
    int Index() const { return static_cast<int>(role) * 8 + (bold ? 1 : 0) + (italic ? 2 : 0) + (underline ? 4 : 0); }
    bool operator==(const FontKey& o) const { return Index() == o.Index(); }
};
const int kFontKeyCount = static_cast<int>(FontRole::Count) * 8;

struct FontMetrics {
    int height = 0;  // line height in pixels
    int ascent = 0;  // baseline distance from the line's top
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(const FontKey& font, const char* text, size_t length) = 0;
    virtual FontMetrics Metrics(const FontKey& font) = 0;
};

struct LayoutFragment {
    int x = 0;
    int width = 0;
    FontKey font;
    std::string_view text;  // in the laid-out document's text (or PageLayout::markers)
    int link = -1;          // index into PageLayout::links, -1 when not a link
};

enum class LineDecoration { None, Rule };

struct LayoutLine {
    int top = 0;
    int height = 0;
    int ascent = 0;
    LineDecoration decoration = LineDecoration::None;
    int quoteBarX = -1;  // x of the quotation bar, -1 when outside a quotation
    size_t block = 0;    // index of the document's block the line shows
    std::vector<LayoutFragment> fragments;
};

struct LayoutStyle {
    int marginX = 40;  // left and right page margin
    int marginTop = 28;
    int marginBottom = 32;
    int indentStep = 28;     // per list or quotation level
    int maxTextWidth = 900;  // long lines are hard to read: the text column stops here
};

struct PageLayout {
    int width = 0;
    int height = 0;  // total height including margins
    std::vector<LayoutLine> lines;
    std::vector<std::string> links;   // hrefs as written in the page
    std::deque<std::string> markers;  // list markers' text, which stays put while blocks are added
    bool complete = false;            // every block of the document is laid out
};

// A layout refers to the document's text instead of copying it: the document
// must outlive the layout, and may only grow by blocks appended at its end.
PageLayout LayOutDocument(const HtmlDocument& document, int width, TextMeasurer& measurer,
                          const LayoutStyle& style = LayoutStyle());
PageLayout LayOutDocument(HtmlDocument&&, int, TextMeasurer&, const LayoutStyle& = LayoutStyle()) = delete;

// Lays a document out a few blocks at a time, so that a long page shows its
// first screen at once and the rest follows in slices; the lines are the
// same as those of one whole layout.
class PageLayouter {
public:
    explicit PageLayouter(int width = 0, const LayoutStyle& style = LayoutStyle());
    // Lays out up to `count` more of the document's blocks (those appended
    // since the last call included); returns how many it laid out. `growing`
    // tells that more blocks may yet be appended, so the layout is not complete.
    size_t LayOutBlocks(const HtmlDocument& document, TextMeasurer& measurer, size_t count, bool growing = false);
    size_t BlocksDone() const { return next_; }
    const PageLayout& Layout() const { return layout_; }
    PageLayout TakeLayout() { return std::move(layout_); }

private:
    PageLayout layout_;
    LayoutStyle style_;
    size_t next_ = 0;
    int y_ = 0;
    BlockKind previous_ = BlockKind::Paragraph;
};

// The first line of a block (lines.size() when it has not been laid out).
size_t FirstLineOfBlock(const PageLayout& layout, size_t block);
// Index of the first line that reaches below y (binary search); lines.size() when none.
size_t FirstLineAtOrBelow(const PageLayout& layout, int y);
// The link under a point in page coordinates, -1 when none.
int LinkAt(const PageLayout& layout, int x, int y);
