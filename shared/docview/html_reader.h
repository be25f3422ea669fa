// A small, tolerant HTML reader: turns the bytes of a page into blocks of
// styled runs for the reader view, plus the page's title and plain body text.
// Portable C++; text conversions that need the operating system come in
// through ReadOptions.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shared/docview/html_entities.h"

enum class BlockKind { Paragraph, Heading, ListItem, Preformatted, Rule };

struct TextRun {
    std::string text;  // "\n" inside marks a line break (<br> or a line of <pre>)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool monospace = false;
    std::string href;  // the link target as written in the page; empty when not a link
};

struct TextBlock {
    BlockKind kind = BlockKind::Paragraph;
    int level = 0;       // heading level 1-6
    int indent = 0;      // nesting depth of lists and quotations
    bool quote = false;  // inside a blockquote
    std::string marker;  // list bullet or number ("1.") for list items
    std::vector<TextRun> runs;
};

struct HtmlDocument {
    std::string title;
    std::vector<TextBlock> blocks;
    bool utf8 = false;  // the text is UTF-8 (no conversion to the ANSI code page was made)
};

struct ReadOptions {
    // Converts UTF-8 text into the ANSI code page. When empty, UTF-8 pages keep
    // their encoding and the result's text is UTF-8.
    std::function<std::string(const std::string&)> utf8ToAnsi;
    // Encodes one code point (from a character reference) in the ANSI code
    // page. When empty, Windows-1252 is assumed; unknown characters read "?".
    std::function<std::string(std::uint32_t)> codePointToAnsi;
};

// True when the bytes carry a UTF-8 byte order mark, or contain bytes above
// 127 that all form valid UTF-8 sequences.
bool LooksLikeUtf8(const std::string& bytes);

HtmlDocument ReadHtml(const std::string& bytes, const ReadOptions& options = ReadOptions());

// Reads a page a slice at a time, so that the start of a long page can be
// shown while the rest is still being read. Finished blocks (and the title)
// are appended to the document passed to ReadMore: pass the same one each time.
class HtmlPageReader {
public:
    explicit HtmlPageReader(std::string bytes, const ReadOptions& options = ReadOptions());
    ~HtmlPageReader();
    HtmlPageReader(const HtmlPageReader&) = delete;
    HtmlPageReader& operator=(const HtmlPageReader&) = delete;
    // Reads on for about `budget` more bytes of the page; true once it is read to its end.
    bool ReadMore(HtmlDocument& document, size_t budget);
    bool Done() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};
// A plain text file as preformatted paragraphs (one block per paragraph).
HtmlDocument ReadPlainText(const std::string& bytes, const ReadOptions& options = ReadOptions());

// The page's body as plain text: blocks on lines of their own, line breaks as CR LF.
std::string DocumentBodyText(const HtmlDocument& document);
